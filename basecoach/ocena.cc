#include "ocena.h"

#include <algorithm>
#include <string>

#include "zapis.h"

namespace basecoach {

Sprawdzenie sprawdz(std::string_view odpowiedz, std::int32_t sys,
                    std::int32_t wynik) {
  const std::string etykieta = "(" + std::to_string(sys) + ")";
  std::string_view cyfry = odpowiedz;
  if (cyfry.size() >= etykieta.size() &&
      cyfry.substr(cyfry.size() - etykieta.size()) == etykieta) {
    cyfry.remove_suffix(etykieta.size());
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
