#include "echo.h"

#include <cctype>
#include <utility>

#include "terminal.h"

std::string bez_sterujacych(std::string tekst) {
  for (char& znak : tekst)
    if (!std::isprint(static_cast<unsigned char>(znak))) znak = '?';
  return tekst;
}

std::string do_echa(std::string slowo) {
  return na_terminalu(1) ? bez_sterujacych(std::move(slowo)) : slowo;
}
