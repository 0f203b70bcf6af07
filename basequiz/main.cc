#include <iostream>

#include "koniec.h"
#include "terminal.h"
#include "zadania.h"

int main() {
  przygotuj_program();
  wyczysc_ekran();
  std::cout << "zadanie 1\n";
  basequiz::parzysta("1001010");
  basequiz::parzysta_ver2("101011");
  std::cout << "zadanie 2\n";
  basequiz::zadanie2("1111", 2, '+', "F", 16);
  basequiz::zadanie2("100", 16, '+', "10", 16);
  basequiz::zadanie2("100", 8, '+', "10000", 2);
  basequiz::zadanie2("FFFF", 2, '-', "177777", 8);
  std::cout << "zadanie 3\n";
  basequiz::hex_rgb("6B8E23");
  std::cout << "zadanie 4\n";
  basequiz::hex_inc("AFA1F");
  std::cout << "zadanie 5\n";
  basequiz::kalkulator();
  return 0;
}
