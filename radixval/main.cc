#include <iostream>
#include <string>

#include "konwertery.h"
#include "terminal.h"
#include "wczytaj.h"

int main() {
  std::string liczba;

  std::cout << "Podaj liczbe binarna: ";
  liczba = wczytaj_slowo("liczby binarnej");
  // The head goes out first so that a converter's message lands after " to ".
  std::cout << "liczba (2): " << do_echa(liczba) << " to ";
  std::cout << bin2dec(liczba) << " (10) \n";

  std::cout << "Podaj liczbe osemkowa: ";
  liczba = wczytaj_slowo("liczby osemkowej");
  std::cout << "liczba (8): " << do_echa(liczba) << " to ";
  std::cout << oct2dec(liczba) << " (10)\n";

  std::cout << "Podaj liczbe szesnastkowa: ";
  liczba = wczytaj_slowo("liczby szesnastkowej");
  std::cout << "liczba (16): " << do_echa(liczba) << " to ";
  std::cout << hex2dec(liczba) << " (10)";
  return 0;
}
