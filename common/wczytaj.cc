#include "wczytaj.h"

#include <cstdlib>
#include <iostream>
#include <limits>

#include "zapis.h"

void przerwij(const std::string& opis) {
  // What was printed before must stay, and in front of the message.
  std::cout.flush();
  std::cerr << "Blad: " << opis << '\n';
  std::cerr.flush();
  std::exit(1);
}

namespace {

// Ends the program saying what was expected and what came instead.
[[noreturn]] void oczekiwano(const char* co, const char* zamiast) {
  przerwij(std::string("oczekiwano ") + co + ", a " + zamiast);
}

// Skips white space and ends the program when nothing is left to read.
void wymagaj_danych(const char* co) {
  std::cin >> std::ws;
  if (!std::cin.good()) oczekiwano(co, "dane wejsciowe sie skonczyly");
}

}  // namespace

std::int32_t wczytaj_liczbe(const char* co) {
  wymagaj_danych(co);
  std::int32_t liczba = 0;
  if (std::cin >> liczba) return liczba;
  // A failed extraction stores the nearest limit when the text was a number
  // too large for the type, and 0 otherwise.
  using granice = std::numeric_limits<std::int32_t>;
  if (liczba == granice::max() || liczba == granice::min()) {
    oczekiwano(co,
               "podana liczba jest spoza zakresu od -2147483648 do 2147483647");
  }
  oczekiwano(co, "podany tekst nie jest liczba");
}

std::int32_t wczytaj_system() {
  const std::int32_t sys = wczytaj_liczbe("systemu liczbowego (2-16)");
  if (!poprawny_system(sys)) przerwij(kZlySystem);
  return sys;
}

std::string wczytaj_slowo(const char* co) {
  wymagaj_danych(co);
  std::string slowo;
  std::cin >> slowo;
  return slowo;
}
