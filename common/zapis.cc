#include "zapis.h"

std::string zapis(std::int32_t liczba, std::int32_t sys) {
  if (!poprawny_system(sys)) return {};
  // The magnitude is taken in unsigned arithmetic so that INT32_MIN has one.
  std::uint32_t modul = static_cast<std::uint32_t>(liczba);
  if (liczba < 0) modul = 0u - modul;
  const auto podstawa = static_cast<std::uint32_t>(sys);
  std::string wynik;
  do {
    wynik.insert(wynik.begin(), znaki[modul % podstawa]);
    modul /= podstawa;
  } while (modul > 0);
  if (liczba < 0) wynik.insert(wynik.begin(), '-');
  return wynik;
}
