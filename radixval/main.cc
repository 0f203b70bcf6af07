#include <iostream>
#include <string>

#include "echo.h"
#include "koniec.h"
#include "konwertery.h"
#include "wczytaj.h"

int main() {
  przygotuj_program();
  std::string liczba = wczytaj_slowo("Podaj liczbe binarna: ");
  // The blank before this line end is part of the fixed dialogue.
  std::cout << "liczba (2): " << do_echa(liczba) << " to "
            << radixval::bin2dec(liczba) << " (10) \n";

  liczba = wczytaj_slowo("Podaj liczbe osemkowa: ");
  std::cout << "liczba (8): " << do_echa(liczba) << " to "
            << radixval::oct2dec(liczba) << " (10)\n";

  liczba = wczytaj_slowo("Podaj liczbe szesnastkowa: ");
  // The fixed dialogue ends here, without a line end.
  std::cout << "liczba (16): " << do_echa(liczba) << " to "
            << radixval::hex2dec(liczba) << " (10)";
  return 0;
}
