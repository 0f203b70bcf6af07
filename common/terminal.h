#ifndef COMMON_TERMINAL_H_
#define COMMON_TERMINAL_H_

#include <string>
#include <string_view>

// The platform edge, where a program meets its terminal: terminal-konsola.cc
// implements it for a console or terminal, terminal-strona.cc for the web
// page.

/// True when the standard stream `nr` (0 input, 1 output, 2 error) is a
/// terminal: a tty, a Windows console, or the pipe that Git Bash (mintty) or
/// Cygwin gives a program as its terminal; false for a file, another pipe or
/// a device such as NUL, and always on the web page.
bool na_terminalu(int nr);

/// True when a person types standard input, who can be asked again after a
/// refused answer: at a terminal (as na_terminalu(0)) and on the web page.
bool wpisuje_czlowiek();

/// True when the character `znak` (a byte and the continuation bytes after
/// it) may be quoted as it is: at a console or into a file a printable ASCII
/// character; on the web page any but control characters, Unicode's format
/// and default-ignorable characters (zero-width ones, the soft hyphen, the
/// marks that turn the text's direction, variation selectors) and the line
/// and paragraph separators, as the page shows text and a broken sequence
/// as U+FFFD.
bool pokazywalny(std::string_view znak);

/// Clears the screen: the page's screen on the web, cls on a Windows console,
/// the ANSI sequence on any other terminal unless TERM is unset, empty or
/// "dumb"; into a file or a pipe it writes nothing.
void wyczysc_ekran();

/// Sets up the standard streams, once, before anything is read or written.
/// At a console: standard input is read in pieces as they arrive (bytes,
/// unless it is a Windows console, where Ctrl+Z then Enter ends it); when
/// standard error is a terminal, notes from then on where its cursor stands.
/// On the web page: connects the three streams to the page.
void przygotuj_strumienie();

/// False when the cursor of the terminal that shows standard error stands
/// after the start of a line: after the last byte the program wrote there,
/// or after the echo of a typed piece of a line that Ctrl-D handed over
/// (answers typed ahead were echoed before the output that came since).
/// True whenever nothing is followed: on the page, and into a file or pipe.
bool kursor_na_poczatku_linii();

/// Keeps `linia` (at most 127 bytes) to be written to standard output, once,
/// if the program is interrupted (Ctrl+C; Ctrl+Break at a Windows console);
/// it then ends as an interrupted program does (the shell sees status 130),
/// with no "Blad: " line. Empty: nothing is written. On the web page it does
/// nothing, as the page is not interrupted.
void przy_przerwaniu(std::string_view linia);

/// On Windows, when the console window was made for this program alone (a
/// double click, not a command prompt) and both standard input and output are
/// that console, asks for Enter on standard output and waits for it, so that
/// the window stays open until the learner has read it. Otherwise, and on
/// every other system, does nothing.
void czekaj_w_wlasnym_oknie();

/// Console edge only, where Windows asks it: true for the name of a pipe that
/// MSYS2 or Cygwin uses as a terminal: "\msys-*-pty*" or "\cygwin-*-pty*".
bool nazwa_terminala(std::wstring_view nazwa);

#endif  // COMMON_TERMINAL_H_
