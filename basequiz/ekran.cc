#include <iostream>

#include "zadania.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdlib>
#else
#include <unistd.h>
#endif

void wyczysc_ekran() {
#ifdef _WIN32
  // Only a real console is cleared: a file or a pipe must not get cls's text.
  DWORD tryb = 0;
  if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &tryb)) {
    std::cout.flush();
    std::system("cls");
  }
#else
  // There is no cls here; an ANSI terminal clears itself with this sequence.
  if (isatty(STDOUT_FILENO)) std::cout << "\033[2J\033[H" << std::flush;
#endif
}
