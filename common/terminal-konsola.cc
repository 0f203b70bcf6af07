#include <cctype>
#include <csignal>
#include <cstdlib>
#include <ios>
#include <iostream>
#include <streambuf>
#include <string>

#include "terminal.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
// STD_OUTPUT_HANDLE and STD_ERROR_HANDLE follow STD_INPUT_HANDLE downwards.
HANDLE uchwyt(int nr) { return GetStdHandle(STD_INPUT_HANDLE - nr); }

bool konsola(int nr) {
  DWORD tryb = 0;
  return GetConsoleMode(uchwyt(nr), &tryb) != 0;
}

bool pty(int nr) {
  // The name runs on past FILE_NAME_INFO, into the room that follows it.
  struct {
    FILE_NAME_INFO info;
    WCHAR reszta[MAX_PATH];
  } nazwa{};
  return GetFileType(uchwyt(nr)) == FILE_TYPE_PIPE &&
         GetFileInformationByHandleEx(uchwyt(nr), FileNameInfo, &nazwa,
                                      sizeof nazwa) &&
         nazwa_terminala(
             {nazwa.info.FileName, nazwa.info.FileNameLength / sizeof(WCHAR)});
}
#endif

// Where the cursor stands on the terminal that shows standard error, known
// from the bytes that reach it: what the program writes there, and the echo
// of what is typed, which a terminal shows before it hands the piece over.
// True while nothing is followed.
// Typed input is echoed on that terminal (echo_terminala); output reached it
// since input was last read (wypisano).
bool poczatek_linii = true, echo_terminala = false, wypisano = false;

// Passes every byte on to the stream buffer it wraps, noting whether it
// ended a line.
class Sledzacy : public std::streambuf {
 public:
  explicit Sledzacy(std::streambuf* wnetrze) : wnetrze_(wnetrze) {}

 private:
  int_type overflow(int_type znak) override {
    poczatek_linii = znak == '\n';
    wypisano = true;
    return wnetrze_->sputc(traits_type::to_char_type(znak));
  }
  int sync() override { return wnetrze_->pubsync(); }

  std::streambuf* wnetrze_;
};

// Standard input in pieces as they arrive, so that what has arrived is known
// and a refused line's rest can be dropped without waiting: a terminal hands
// over a typed line, or the part of one before Ctrl-D, at once. A read error
// is thrown, which the stream turns into badbit.
class Wejscie : public std::streambuf {
  // Called once what was read before is taken.
  int_type underflow() override {
#ifdef _WIN32
    const bool czekano = true;  // a console cannot tell
    const int ile = _read(0, bufor_, sizeof bufor_);
#else
    // Input that waited was typed, and echoed, before the program's latest
    // output, such as answers typed ahead or pasted.
    pollfd gotowe{0, POLLIN, 0};
    const bool czekano = poll(&gotowe, 1, 0) == 0;
    // Not interrupted: the programs catch no signal.
    const ssize_t ile = read(0, bufor_, sizeof bufor_);
#endif
    if (ile < 0) throw std::ios_base::failure("standard input");
    setg(bufor_, bufor_, bufor_ + ile);
    if (echo_terminala && ile > 0 && (czekano || !wypisano))
      poczatek_linii = bufor_[ile - 1] == '\n';
    wypisano = false;
    return ile > 0 ? traits_type::to_int_type(*gptr()) : traits_type::eof();
  }

  // More than a terminal's longest line, and few enough for any console.
  char bufor_[1 << 14];
};

// The line to write if interrupted, in one of two buffers, so that a signal
// never finds it half written; -1 before there is one.
char przerwanie[2][128];
volatile std::sig_atomic_t ktora = -1, dlugosc[2];

// Only what is safe in a signal handler: write, then end as interrupted.
extern "C" void przerwano([[maybe_unused]] int sygnal) {
#ifdef _WIN32
  if (ktora >= 0) _write(1, przerwanie[ktora], dlugosc[ktora]);
  _exit(130);  // the default action would end with status 3
#else
  if (ktora >= 0) (void)!write(1, przerwanie[ktora], dlugosc[ktora]);
  std::signal(sygnal, SIG_DFL);
  std::raise(sygnal);
#endif
}

}  // namespace

void przy_przerwaniu(std::string_view linia) {
  const int nowa = ktora == 0;
  dlugosc[nowa] = static_cast<int>(linia.copy(przerwanie[nowa], 127));
  std::signal(SIGINT, przerwano);
#ifdef _WIN32
  std::signal(SIGBREAK, przerwano);
#endif
  ktora = nowa;
}

bool nazwa_terminala(std::wstring_view nazwa) {
  const std::size_t kreska = nazwa.find(L'-');  // npos + 1 is 0
  const std::wstring_view rodzaj = nazwa.substr(0, kreska + 1);
  return (rodzaj == L"\\msys-" || rodzaj == L"\\cygwin-") &&
         nazwa.find(L"-pty", kreska + 1) != nazwa.npos;
}

bool na_terminalu(int nr) {
#ifdef _WIN32
  // _isatty is true for NUL as well; only a console has a console mode.
  return konsola(nr) || pty(nr);
#else
  return isatty(nr) == 1;
#endif
}

bool wpisuje_czlowiek() { return na_terminalu(0); }

bool pokazywalny(std::string_view znak) {
  return znak.size() == 1 && std::isprint(static_cast<unsigned char>(znak[0]));
}

void wyczysc_ekran() {
  // A file or a pipe gets nothing: neither cls's text nor escape codes.
  if (!na_terminalu(1)) return;
#ifdef _WIN32
  if (konsola(1)) {
    std::cout.flush();
    std::system("cls");
    return;
  }
#endif
  // Any other terminal (mintty too, which cls cannot clear) takes the ANSI
  // sequence; as with tput clear, a terminal named dumb, or none, cannot.
  const std::string_view term = std::getenv("TERM") ? std::getenv("TERM") : "";
  if (!term.empty() && term != "dumb")
    std::cout << "\033[2J\033[H" << std::flush;
}

void przygotuj_strumienie() {
#ifdef _WIN32
  // A file or a pipe is bytes, 0x1A too; a console keeps Ctrl+Z then Enter
  // as the end of input.
  if (!konsola(0)) _setmode(0, _O_BINARY);
#endif
  // A "Blad: " line goes to standard error: its cursor is followed, moved by
  // the output and echo on that terminal; a file or a pipe has none.
  const bool kursor = na_terminalu(2);
  echo_terminala = kursor && na_terminalu(0);
  // Never freed: the streams are flushed at exit, after static objects go.
  std::cin.rdbuf(new Wejscie);
  if (!kursor) return;
  std::cerr.rdbuf(new Sledzacy(std::cerr.rdbuf()));
  if (na_terminalu(1)) std::cout.rdbuf(new Sledzacy(std::cout.rdbuf()));
}

bool kursor_na_poczatku_linii() { return poczatek_linii; }

void czekaj_w_wlasnym_oknie() {
#ifdef _WIN32
  // From a command prompt the console is shared with cmd.exe; after a double
  // click this program is the only one attached to it.
  DWORD procesy[2];
  if (!konsola(0) || !konsola(1) || GetConsoleProcessList(procesy, 2) != 1)
    return;
  std::cout << "\nNacisnij Enter, aby zamknac okno." << std::flush;
  // Answers typed ahead, or left by a failed read, must not close it.
  FlushConsoleInputBuffer(uchwyt(0));
  char znak = 0;
  DWORD przeczytane = 0;
  while (ReadConsoleA(uchwyt(0), &znak, 1, &przeczytane, nullptr) &&
         przeczytane == 1 && znak != '\n') {
  }
#endif
}
