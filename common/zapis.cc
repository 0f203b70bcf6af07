#include "zapis.h"

#include <algorithm>
#include <cctype>

int wartosc_cyfry(char znak) {
  const auto duzy = std::toupper(static_cast<unsigned char>(znak));
  const std::size_t cyfra = znaki.find(static_cast<char>(duzy));
  return cyfra == std::string_view::npos ? -1 : static_cast<int>(cyfra);
}

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

Odczyt odczyt(std::string_view cyfry, std::int32_t sys, bool ze_znakiem) {
  if (!poprawny_system(sys)) return {0, BladOdczytu::zly_system};
  const bool znak = ze_znakiem && cyfry.find_first_of("+-") == 0;
  const bool ujemna = znak && cyfry[0] == '-';
  if (cyfry.size() == std::size_t{znak}) return {0, BladOdczytu::brak_cyfr};
  const std::int64_t granica = std::int64_t{INT32_MAX} + ujemna;
  std::int64_t modul = 0;
  for (std::size_t i = znak; i < cyfry.size(); ++i) {
    const int cyfra = wartosc_cyfry(cyfry[i]);
    if (cyfra < 0 || cyfra >= sys) return {0, BladOdczytu::zla_cyfra, i};
    // Held just past the range, so that the scan can go on without overflow.
    modul = std::min(modul * sys + cyfra, granica + 1);
  }
  if (modul > granica) return {0, BladOdczytu::za_duza};
  return {static_cast<std::int32_t>(ujemna ? -modul : modul)};
}
