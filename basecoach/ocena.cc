#include "ocena.h"

#include <algorithm>
#include <string>

#include "zapis.h"

namespace basecoach {

Sprawdzenie sprawdz(std::string_view odpowiedz, std::int32_t sys,
                    std::int32_t wynik) {
  // The label the program writes after a number may follow the digits.
  const std::string podstawa = etykieta(sys);
  std::string_view cyfry = odpowiedz;
  if (cyfry.size() >= podstawa.size() &&
      cyfry.substr(cyfry.size() - podstawa.size()) == podstawa) {
    cyfry.remove_suffix(podstawa.size());
  }
  if (cyfry.empty() || std::any_of(cyfry.begin(), cyfry.end(), [](char znak) {
        return wartosc_cyfry(znak) < 0;
      })) {
    return {};
  }
  const Odczyt liczba = odczyt(cyfry, sys);
  if (liczba.blad == BladOdczytu::zla_cyfra)
    return {Ocena::obca_cyfra, znaki[wartosc_cyfry(cyfry[liczba.pozycja])]};
  // A value past odczyt's range is no task's result either.
  const bool rowna =
      liczba.blad == BladOdczytu::brak && liczba.wartosc == wynik;
  return {rowna ? Ocena::dobrze : Ocena::zle};
}

}  // namespace basecoach
