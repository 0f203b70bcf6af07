#include <cstdlib>
#include <iostream>
#include <string_view>

#include "terminal.h"
#include "zadania.h"

void wyczysc_ekran() {
  // A file or a pipe gets nothing: neither cls's text nor escape codes.
  if (!wyjscie_na_terminal()) return;
#ifdef _WIN32
  std::cout.flush();
  std::system("cls");
#else
  // There is no cls here. An ANSI terminal clears itself with this sequence;
  // as with tput clear, a terminal named dumb, or none at all, cannot.
  const char* term = std::getenv("TERM");
  if (term == nullptr || std::string_view(term).empty() ||
      std::string_view(term) == "dumb") {
    return;
  }
  std::cout << "\033[2J\033[H" << std::flush;
#endif
}
