#include "konwertery.h"

#include <cctype>
#include <iostream>
#include <limits>

namespace {

// Value of `liczba`, whose digit values `cyfra` gives (-1 for a bad
// character), each digit weighing 2^bity times the one to its right.
std::int32_t konwertuj(const std::string& liczba, unsigned bity,
                       int (*cyfra)(unsigned char), const char* komunikat) {
  constexpr std::uint64_t maks = std::numeric_limits<std::int32_t>::max();
  std::uint64_t suma = 0;
  bool za_duza = false;
  std::size_t przesuniecie = 0;
  for (std::size_t i = liczba.size(); i-- > 0; przesuniecie += bity) {
    const int zn = cyfra(static_cast<unsigned char>(liczba[i]));
    if (zn < 0) {
      std::cout << komunikat;
      return 0;
    }
    // Digits further left are still checked, so the scan goes on.
    if (zn == 0 || za_duza) continue;
    if (przesuniecie >= 31) {
      za_duza = true;
      continue;
    }
    suma += static_cast<std::uint64_t>(zn) << przesuniecie;
    za_duza = suma > maks;
  }
  if (za_duza) {
    std::cout << komunikat;
    return 0;
  }
  return static_cast<std::int32_t>(suma);
}

int cyfra_dwojkowa(unsigned char znak) {
  return znak == '0' || znak == '1' ? znak - '0' : -1;
}

int cyfra_osemkowa(unsigned char znak) {
  return znak >= '0' && znak <= '7' ? znak - '0' : -1;
}

int cyfra_szesnastkowa(unsigned char znak) {
  const int duzy = std::toupper(znak);
  if (duzy >= '0' && duzy <= '9') return duzy - 48;
  if (duzy >= 'A' && duzy <= 'F') return duzy - 55;
  return -1;
}

}  // namespace

std::int32_t bin2dec(std::string liczba) {
  return konwertuj(liczba, 1, cyfra_dwojkowa, " Podano zla liczbe binarna: ");
}

std::int32_t oct2dec(std::string liczba) {
  return konwertuj(liczba, 3, cyfra_osemkowa, " Podano zla liczbe osemkowa: ");
}

std::int32_t hex2dec(std::string liczba) {
  return konwertuj(liczba, 4, cyfra_szesnastkowa, " Podano zla liczbe: ");
}
