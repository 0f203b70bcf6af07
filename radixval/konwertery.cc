#include "konwertery.h"

#include "zapis.h"

namespace radixval {
namespace {

Wynik konwertuj(const std::string& liczba, std::int32_t sys,
                std::string_view komunikat) {
  const Odczyt odczytana = odczyt(liczba, sys);
  // The empty string has no digits, and no bad one either.
  if (odczytana.blad == BladOdczytu::brak || liczba.empty())
    return {odczytana.wartosc, {}};
  return {0, komunikat};
}

}  // namespace

std::ostream& operator<<(std::ostream& wyjscie, const Wynik& wynik) {
  return wyjscie << wynik.komunikat << wynik.wartosc;
}

Wynik bin2dec(std::string liczba) {
  return konwertuj(liczba, 2, " Podano zla liczbe binarna: ");
}

Wynik oct2dec(std::string liczba) {
  return konwertuj(liczba, 8, " Podano zla liczbe osemkowa: ");
}

Wynik hex2dec(std::string liczba) {
  return konwertuj(liczba, 16, " Podano zla liczbe: ");
}

}  // namespace radixval
