#include <cstdint>
#include <iostream>

#include "tabela.h"
#include "wczytaj.h"

int main() {
  przygotuj_program();
  std::cout << "Podaj A=";
  const std::int32_t A = wczytaj_liczbe();
  std::cout << "Podaj B=";
  const std::int32_t B = wczytaj_liczbe();
  tabela(A, B);
  return 0;
}
