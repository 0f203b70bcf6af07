#include "wczytaj.h"

#include <cctype>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <limits>

#include "zapis.h"

namespace {

// Ends the program saying what was expected and what came instead.
[[noreturn]] void oczekiwano(const char* co, const std::string& zamiast) {
  przerwij(std::string("oczekiwano ") + co + ", a " + zamiast);
}

// Nothing more could be read: a read error is not the end of input.
[[noreturn]] void brak_danych(const char* co) {
  oczekiwano(co, std::ferror(stdin)
                     ? "odczyt danych wejsciowych sie nie powiodl"
                     : "dane wejsciowe sie skonczyly");
}

[[noreturn]] void za_dlugie(const char* co, const char* czego) {
  oczekiwano(co, std::string(czego) + " ma wiecej niz " +
                     std::to_string(kMaksDlugosc) + " znakow");
}

// Skips white space and ends the program when nothing is left to read.
void wymagaj_danych(const char* co) {
  std::cin >> std::ws;
  if (!std::cin.good()) brak_danych(co);
}

bool cyfra(int znak) { return znak >= '0' && znak <= '9'; }

}  // namespace

std::int32_t wczytaj_liczbe(const char* co) {
  wymagaj_danych(co);
  // Read by hand: operator>> would go on taking digits without end.
  std::size_t dlugosc = 0;
  const bool ujemna = std::cin.peek() == '-';
  if (ujemna || std::cin.peek() == '+') {
    std::cin.get();
    ++dlugosc;
  }
  const std::size_t bez_cyfr = dlugosc;
  using granice = std::numeric_limits<std::int32_t>;
  const std::int64_t granica =
      ujemna ? -std::int64_t{granice::min()} : granice::max();
  std::int64_t wartosc = 0;
  while (cyfra(std::cin.peek())) {
    if (++dlugosc > kMaksDlugosc) za_dlugie(co, "podana liczba");
    wartosc = wartosc * 10 + (std::cin.get() - '0');
    if (wartosc > granica) {
      oczekiwano(co,
                 "podana liczba jest spoza zakresu od -2147483648 do "
                 "2147483647");
    }
  }
  if (std::ferror(stdin)) brak_danych(co);
  if (dlugosc == bez_cyfr) oczekiwano(co, "podany tekst nie jest liczba");
  return static_cast<std::int32_t>(ujemna ? -wartosc : wartosc);
}

std::int32_t wczytaj_system() {
  const std::int32_t sys = wczytaj_liczbe("systemu liczbowego (2-16)");
  if (!poprawny_system(sys)) przerwij(kZlySystem);
  return sys;
}

std::string wczytaj_slowo(const char* co) {
  wymagaj_danych(co);
  std::string slowo;
  // Never more than the limit is stored; one more character refuses it.
  std::cin >> std::setw(kMaksDlugosc) >> slowo;
  const bool dalszy_znak = slowo.size() == kMaksDlugosc &&
                           std::cin.peek() != std::char_traits<char>::eof() &&
                           !std::isspace(std::cin.peek());
  // A word cut short by a read error must not pass for a whole one.
  if (std::ferror(stdin)) brak_danych(co);
  if (dalszy_znak) za_dlugie(co, "podane slowo");
  return slowo;
}
