#include "terminal.h"

#include <cctype>
#include <utility>

// What every platform shares; each platform's own edge is in konsola.cc (a
// console or terminal) or strona.cc (the web page).

bool nazwa_terminala(std::wstring_view nazwa) {
  const std::size_t kreska = nazwa.find(L'-');  // npos + 1 is 0
  const std::wstring_view rodzaj = nazwa.substr(0, kreska + 1);
  return (rodzaj == L"\\msys-" || rodzaj == L"\\cygwin-") &&
         nazwa.find(L"-pty", kreska + 1) != nazwa.npos;
}

std::string bez_sterujacych(std::string tekst) {
  for (char& znak : tekst) {
    if (!std::isprint(static_cast<unsigned char>(znak))) znak = '?';
  }
  return tekst;
}

std::string do_echa(std::string slowo) {
  return na_terminalu(1) ? bez_sterujacych(std::move(slowo)) : slowo;
}
