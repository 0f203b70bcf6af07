#include "echo.h"

#include <cctype>

#include "terminal.h"

std::string do_echa(std::string slowo) {
  // A file or a pipe gets what was typed, byte for byte.
  if (!na_terminalu(1)) return slowo;
  for (char& znak : slowo)
    if (!std::isprint(static_cast<unsigned char>(znak))) znak = '?';
  return slowo;
}
