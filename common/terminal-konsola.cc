#include <cctype>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>
#include <utility>

#include "terminal.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
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

bool poczatek_linii = true;
std::string wypisane;  // since zabierz_wypisane last took it

// Passes every byte on to the stream buffer it wraps, noting where the bytes
// that go out, or that come in from a terminal, leave the cursor.
class Sledzacy : public std::streambuf {
 public:
  explicit Sledzacy(std::streambuf* wnetrze) : wnetrze_(wnetrze) {}

 private:
  int_type overflow(int_type znak) override {
    poczatek_linii = znak == '\n';
    wypisane += traits_type::to_char_type(znak);
    return wnetrze_->sputc(traits_type::to_char_type(znak));
  }
  int sync() override { return wnetrze_->pubsync(); }
  // A terminal hands a line over once Enter has echoed all of it, so its
  // first byte, and its line end once seen, come with the cursor at a line
  // start, whatever was written since; a line cut short by Ctrl-D leaves the
  // cursor after it.
  int_type uflow() override {
    const int_type znak = wnetrze_->sbumpc();
    widziany_ = false;
    poczatek_linii |= std::exchange(ostatni_, znak) == '\n';
    return znak;
  }
  int_type underflow() override {
    const int_type znak = wnetrze_->sgetc();
    if (znak == '\n' && !std::exchange(widziany_, true)) poczatek_linii = true;
    if (znak == traits_type::eof() && std::exchange(ostatni_, '\n') != '\n') {
      poczatek_linii = false;
    }
    return znak;
  }

  std::streambuf* wnetrze_;
  int_type ostatni_ = '\n';  // the last byte taken from the terminal
  bool widziany_ = false;    // the next byte was seen, and counted
};

}  // namespace

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
  if (!wpisuje_czlowiek() && !(na_terminalu(1) && na_terminalu(2))) return;
  // Never freed: the streams are flushed at exit, after static objects go.
  std::cout.rdbuf(new Sledzacy(std::cout.rdbuf()));
  if (na_terminalu(0)) std::cin.rdbuf(new Sledzacy(std::cin.rdbuf()));
}

bool kursor_na_poczatku_linii() {
  // Output into a file or a pipe moves no cursor.
  return poczatek_linii || !na_terminalu(1) || !na_terminalu(2);
}

std::string zabierz_wypisane() { return std::exchange(wypisane, {}); }

void czekaj_w_wlasnym_oknie() {
#ifdef _WIN32
  // From a command prompt the console is shared with cmd.exe; after a double
  // click this program is the only one attached to it.
  DWORD procesy[2];
  if (!konsola(0) || !konsola(1) || GetConsoleProcessList(procesy, 2) != 1) {
    return;
  }
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
