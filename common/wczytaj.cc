#include "wczytaj.h"

#include <cctype>
#include <cstdio>
#include <iostream>
#include <limits>
#include <utility>

#include "terminal.h"
#include "zapis.h"

namespace {

constexpr int kKoniec = std::char_traits<char>::eof();

// Counts characters as kMaksDlugosc does: true when `bajt` starts one, as
// every byte does but up to three continuation bytes after a start; `ciag`
// carries how many came since the start.
bool nowy_znak(unsigned char bajt, int& ciag) {
  ciag = (bajt & 0xC0) == 0x80 && ciag < 3 ? ciag + 1 : 0;
  return ciag == 0;
}

// The first `ile` characters of `slowo` as a message shows them; `slowo`
// keeps what follows them.
std::string pokaz(std::string_view& slowo, std::size_t ile) {
  std::string tekst;
  for (int ciag = 0; !slowo.empty() && ile-- > 0;) {
    std::size_t i = 1;
    while (i < slowo.size() && !nowy_znak(slowo[i], ciag)) ++i;
    tekst += pokazywalny(slowo.substr(0, i)) ? slowo.substr(0, i) : "?";
    slowo.remove_prefix(i);
  }
  return tekst;
}

// A refused word in a message: at most 20 characters, then "..." for more.
std::string cytat(std::string_view slowo) {
  const std::string tekst = pokaz(slowo, 20);
  return '"' + tekst + (slowo.empty() ? "\"" : "...\"");
}

std::string poza_zakresem(const std::string& slowo) {
  return cytat(slowo) + (slowo[0] == '-'
                             ? " to za mala liczba: najmniejsza to -2147483648"
                             : " to za duza liczba: najwieksza to 2147483647");
}

Wczytane<std::int32_t> czytaj_system(std::istream& we, bool na_poczatku) {
  Wczytane<std::string> slowo = czytaj_slowo(we, na_poczatku);
  const std::int32_t sys = odczyt(slowo.wartosc, 10, true).wartosc;
  if (!slowo.koniec && (!slowo.blad.empty() || !poprawny_system(sys))) {
    slowo.blad = "podstawa systemu to liczba od 2 do 16, a podano " +
                 cytat(slowo.wartosc);
  }
  return {sys, slowo.blad, slowo.koniec};
}

// Standard input is at its start until the first read.
bool pierwszy_odczyt() {
  static bool pierwszy = true;
  return std::exchange(pierwszy, false);
}

template <typename F, typename... A>
auto wymagaj(F czytaj, A... dalej) {
  for (;;) {
    auto wczytane = czytaj(std::cin, pierwszy_odczyt(), dalej...);
    const std::string wypisane = zabierz_wypisane();
    if (wczytane.blad.empty()) return std::move(wczytane.wartosc);
    if (wczytane.koniec || !wpisuje_czlowiek()) przerwij(wczytane.blad);
    zglos(wczytane.blad);
    // Answers typed after the refused one on its line go with it.
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    // The question again: from the line end before the last byte written that
    // is not one, so that a question ending in line ends has them too.
    std::cout << wypisane.substr(
        wypisane.find_last_of('\n', wypisane.find_last_not_of('\n')) + 1);
  }
}

}  // namespace

Wczytane<std::string> czytaj_slowo(std::istream& we, bool na_poczatku) {
  bool znacznik = na_poczatku;
  for (; std::isspace(we.peek()); znacznik = false) we.get();
  std::string slowo;
  std::size_t dlugosc = 0;
  int ciag = 3;
  for (int bajt; (bajt = we.peek()) != kKoniec && !std::isspace(bajt);) {
    if (nowy_znak(bajt, ciag) && ++dlugosc > kMaksDlugosc) {
      return {slowo, cytat(slowo) + " to za dluga liczba: moze miec najwyzej " +
                         std::to_string(kMaksDlugosc) + " znakow"};
    }
    slowo += static_cast<char>(we.get());
    // A byte-order mark at the very start is no part of the word.
    if (znacznik && slowo == "\xEF\xBB\xBF") return czytaj_slowo(we, false);
  }
  // std::cin ends at a read error as at the end of input; stdio tells them
  // apart. A word cut short by one must not pass for a whole one.
  if (we.bad() || (&we == &std::cin && std::ferror(stdin))) {
    return {{}, "nie udalo sie odczytac odpowiedzi", true};
  }
  if (slowo.empty())
    return {{}, "zabraklo odpowiedzi: wpisywanie zakonczono", true};
  return {std::move(slowo)};
}

Wczytane<std::int32_t> czytaj_liczbe(std::istream& we, bool na_poczatku,
                                     const char* co) {
  const Wczytane<std::string> slowo = czytaj_slowo(we, na_poczatku);
  const Odczyt liczba = odczyt(slowo.wartosc, 10, true);
  if (slowo.koniec) return {0, slowo.blad, true};
  if (liczba.blad == BladOdczytu::zla_cyfra ||
      liczba.blad == BladOdczytu::brak_cyfr) {
    return {0, cytat(slowo.wartosc) + " to nie jest " + co};
  }
  if (!slowo.blad.empty()) return {0, slowo.blad};
  if (liczba.blad != BladOdczytu::brak)
    return {0, poza_zakresem(slowo.wartosc)};
  return {liczba.wartosc};
}

Wczytane<std::int32_t> czytaj_w_systemie(std::istream& we, bool na_poczatku) {
  const Wczytane<std::string> cyfry = czytaj_slowo(we, na_poczatku);
  if (!cyfry.blad.empty()) return {0, cyfry.blad, cyfry.koniec};
  const Wczytane<std::int32_t> sys = czytaj_system(we, false);
  const Odczyt liczba = odczyt(cyfry.wartosc, sys.wartosc);
  if (!sys.blad.empty()) return sys;
  if (liczba.blad == BladOdczytu::za_duza)
    return {0, poza_zakresem(cyfry.wartosc)};
  if (liczba.blad != BladOdczytu::brak) {
    std::string_view znak =
        std::string_view(cyfry.wartosc).substr(liczba.pozycja);
    return {0, cytat(cyfry.wartosc) + ": znak \"" + pokaz(znak, 1) +
                   "\" nie jest cyfra systemu o podstawie " +
                   std::to_string(sys.wartosc) + " (cyfry: 0-" +
                   znaki[sys.wartosc - 1] + ")"};
  }
  return {liczba.wartosc};
}

std::int32_t wczytaj_liczbe(const char* co) {
  return wymagaj(czytaj_liczbe, co);
}

std::string wczytaj_slowo() { return wymagaj(czytaj_slowo); }

std::int32_t wczytaj_system() { return wymagaj(czytaj_system); }

std::int32_t wczytaj_w_systemie() { return wymagaj(czytaj_w_systemie); }
