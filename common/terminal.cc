#include "terminal.h"

#include <iostream>

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
bool konsola(DWORD ktory) {
  DWORD tryb = 0;
  return GetConsoleMode(GetStdHandle(ktory), &tryb) != 0;
}
#endif

}  // namespace

bool wyjscie_na_terminal() {
#ifdef _WIN32
  // _isatty is true for NUL as well; only a console has a console mode.
  return konsola(STD_OUTPUT_HANDLE);
#else
  return isatty(STDOUT_FILENO) == 1;
#endif
}

std::string do_echa(std::string slowo) {
  if (!wyjscie_na_terminal()) return slowo;
  for (char& znak : slowo) {
    const auto bajt = static_cast<unsigned char>(znak);
    if (bajt < 0x20 || bajt == 0x7F) znak = '?';
  }
  return slowo;
}

void czekaj_w_wlasnym_oknie() {
#ifdef _WIN32
  // From a command prompt the console is shared with cmd.exe; after a double
  // click this program is the only one attached to it.
  DWORD procesy[2];
  if (!konsola(STD_INPUT_HANDLE) || !konsola(STD_OUTPUT_HANDLE) ||
      GetConsoleProcessList(procesy, 2) != 1) {
    return;
  }
  std::cout << "\nNacisnij Enter, aby zamknac okno." << std::flush;
  // Answers typed ahead, or left by a failed read, must not close it.
  const HANDLE wejscie = GetStdHandle(STD_INPUT_HANDLE);
  FlushConsoleInputBuffer(wejscie);
  char znak = 0;
  DWORD przeczytane = 0;
  while (ReadConsoleA(wejscie, &znak, 1, &przeczytane, nullptr) &&
         przeczytane == 1 && znak != '\n') {
  }
#endif
}
