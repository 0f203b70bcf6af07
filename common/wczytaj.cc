#include "wczytaj.h"

#include <cctype>
#include <cstdio>
#include <iostream>
#include <string_view>
#include <utility>

#include "terminal.h"
#include "zapis.h"

namespace {

constexpr int kKoniec = std::char_traits<char>::eof();

std::string za_dlugie(const char* co) {
  return std::string(co) + " ma wiecej niz " + std::to_string(kMaksDlugosc) +
         " znakow";
}

// A refused word as a message shows it: cut to 20 bytes, and with no byte
// that could drive a terminal.
std::string cytat(const std::string& slowo) {
  return '"' + bez_sterujacych(slowo.substr(0, 20)) +
         (slowo.size() > 20 ? "...\"" : "\"");
}

template <typename T>
T wymagaj(Wczytane<T> wczytane, const char* co) {
  if (!wczytane.blad.empty()) {
    przerwij(std::string("oczekiwano ") + co + ", a " + wczytane.blad);
  }
  return std::move(wczytane.wartosc);
}

// Standard input is at its start until the first read.
bool pierwszy_odczyt() {
  static bool pierwszy = true;
  return std::exchange(pierwszy, false);
}

}  // namespace

Wczytane<std::string> czytaj_slowo(std::istream& we, bool na_poczatku) {
  bool znacznik = na_poczatku;
  for (; std::isspace(we.peek()); znacznik = false) we.get();
  std::string slowo;
  std::size_t dlugosc = 0;
  int ciag = 3;  // continuation bytes that belong to the last character
  for (int bajt; (bajt = we.peek()) != kKoniec && !std::isspace(bajt);) {
    // A character is a byte that is not a continuation byte with at most three
    // continuation bytes after it; any other continuation byte counts as a
    // character of its own, so a word holds at most four bytes per character.
    ciag = (bajt & 0xC0) == 0x80 && ciag < 3 ? ciag + 1 : 0;
    if (ciag == 0 && ++dlugosc > kMaksDlugosc) {
      return {std::move(slowo), za_dlugie("podane slowo")};
    }
    slowo += static_cast<char>(we.get());
    if (znacznik && slowo == "\xEF\xBB\xBF") {
      slowo.clear();
      dlugosc = 0;
      ciag = 3;
      znacznik = false;
    }
  }
  // std::cin ends at a read error as at the end of input; stdio tells them
  // apart. A word cut short by one must not pass for a whole one.
  if (we.bad() || (&we == &std::cin && std::ferror(stdin))) {
    return {{}, "odczyt danych wejsciowych sie nie powiodl"};
  }
  // Empty after a mark that white space followed: the word is still to come.
  if (slowo.empty() && we.peek() != kKoniec) return czytaj_slowo(we, false);
  if (slowo.empty()) return {{}, "dane wejsciowe sie skonczyly"};
  return {std::move(slowo)};
}

Wczytane<std::int32_t> czytaj_liczbe(std::istream& we, bool na_poczatku) {
  const Wczytane<std::string> slowo = czytaj_slowo(we, na_poczatku);
  if (slowo.wartosc.empty()) return {0, slowo.blad};
  const Odczyt liczba = odczyt(slowo.wartosc, 10, true);
  if (liczba.blad == BladOdczytu::zla_cyfra ||
      liczba.blad == BladOdczytu::brak_cyfr) {
    return {0, "podano " + cytat(slowo.wartosc)};
  }
  if (!slowo.blad.empty()) return {0, za_dlugie("podana liczba")};
  if (liczba.blad != BladOdczytu::brak) {
    return {0, "podana liczba jest spoza zakresu od -2147483648 do 2147483647"};
  }
  return {liczba.wartosc};
}

std::int32_t wczytaj_liczbe(const char* co) {
  return wymagaj(czytaj_liczbe(std::cin, pierwszy_odczyt()), co);
}

std::string wczytaj_slowo(const char* co) {
  return wymagaj(czytaj_slowo(std::cin, pierwszy_odczyt()), co);
}

std::int32_t wczytaj_system() {
  const std::int32_t sys = wczytaj_liczbe("systemu liczbowego (2-16)");
  if (!poprawny_system(sys)) przerwij(kZlySystem);
  return sys;
}
