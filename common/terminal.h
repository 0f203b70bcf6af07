#ifndef COMMON_TERMINAL_H_
#define COMMON_TERMINAL_H_

#include <string>

/// True when standard output is a terminal (on Windows: a console window);
/// false for a file, a pipe or a device such as NUL.
bool wyjscie_na_terminal();

/// `slowo` as it may be echoed: on a terminal each control character (bytes
/// below 0x20 and 0x7F) becomes '?', so typed input cannot drive the screen;
/// into a file or a pipe it is returned unchanged.
std::string do_echa(std::string slowo);

/// On Windows, when the console window was made for this program alone (a
/// double click, not a command prompt) and both standard input and output are
/// that console, asks for Enter on standard output and waits for it, so that
/// the window stays open until the learner has read it. Otherwise, and on
/// every other system, does nothing.
void czekaj_w_wlasnym_oknie();

#endif  // COMMON_TERMINAL_H_
