#include <cstdint>

#include "koniec.h"
#include "tabela.h"
#include "wczytaj.h"

// A minus may come first: the table is about signs too.
constexpr const char* kLiczbaCalkowita =
    "liczba calkowita: wpisz cyfry 0-9, a przed nimi moze byc minus, np. -7";

int main() {
  przygotuj_program();
  const std::int32_t A = wczytaj_liczbe("Podaj A=", kLiczbaCalkowita);
  const std::int32_t B = wczytaj_liczbe("Podaj B=", kLiczbaCalkowita);
  pairops::tabela(A, B);
  return 0;
}
