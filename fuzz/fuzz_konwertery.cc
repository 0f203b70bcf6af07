// The checked readers: never a crash, and a value they accept without a
// message is exactly the digits they were given.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "konwertery.h"

namespace {

// Digits of `wartosc` in base `sys`, lower case, "0" for 0.
std::string cyfry(std::int32_t wartosc, int sys) {
  std::string wynik;
  do {
    wynik.insert(wynik.begin(), "0123456789abcdef"[wartosc % sys]);
    wartosc /= sys;
  } while (wartosc > 0);
  return wynik;
}

// The text without its leading zeros, lower case ("0" when nothing is left).
std::string bez_zer(const std::string& tekst) {
  std::string wynik;
  for (char znak : tekst) {
    if (wynik.empty() && znak == '0') continue;
    wynik += static_cast<char>(std::tolower(static_cast<unsigned char>(znak)));
  }
  return wynik.empty() ? "0" : wynik;
}

void sprawdz(std::int32_t (*konwerter)(std::string), int sys,
             const std::string& liczba) {
  std::ostringstream komunikat;
  auto* dawny = std::cout.rdbuf(komunikat.rdbuf());
  const std::int32_t wartosc = konwerter(liczba);
  std::cout.rdbuf(dawny);
  if (wartosc < 0) std::abort();
  if (!komunikat.str().empty()) {
    if (wartosc != 0) std::abort();
    return;
  }
  if (!liczba.empty() && cyfry(wartosc, sys) != bez_zer(liczba)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane,
                                      std::size_t rozmiar) {
  const std::string liczba(reinterpret_cast<const char*>(dane), rozmiar);
  sprawdz(bin2dec, 2, liczba);
  sprawdz(oct2dec, 8, liczba);
  sprawdz(hex2dec, 16, liczba);
  return 0;
}
