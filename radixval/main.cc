#include <iostream>
#include <string>

#include "echo.h"
#include "koniec.h"
#include "konwertery.h"
#include "wczytaj.h"

int main() {
  przygotuj_program();
  std::string liczba;

  std::cout << "Podaj liczbe binarna: ";
  liczba = wczytaj_slowo();
  // The blank before this line end is part of the fixed dialogue.
  std::cout << "liczba (2): " << do_echa(liczba) << " to "
            << radixval::bin2dec(liczba) << " (10) \n";

  std::cout << "Podaj liczbe osemkowa: ";
  liczba = wczytaj_slowo();
  std::cout << "liczba (8): " << do_echa(liczba) << " to "
            << radixval::oct2dec(liczba) << " (10)\n";

  std::cout << "Podaj liczbe szesnastkowa: ";
  liczba = wczytaj_slowo();
  // The fixed dialogue ends here, without a line end.
  std::cout << "liczba (16): " << do_echa(liczba) << " to "
            << radixval::hex2dec(liczba) << " (10)";
  return 0;
}
