#include "wczytaj.h"

#include <cctype>
#include <cstdio>
#include <iostream>
#include <limits>
#include <utility>

#include "koniec.h"
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

constexpr const char* kZabraklo = "zabraklo odpowiedzi: wpisywanie zakonczono";
constexpr const char* kBladOdczytu = "nie udalo sie odczytac odpowiedzi";

// std::cin ends at a read error as at the end of input; stdio tells them
// apart. An answer cut short by one must not pass for a whole one.
bool blad_odczytu(std::istream& we) {
  return we.bad() || (&we == &std::cin && std::ferror(stdin));
}

std::string za_dlugie(std::string_view slowo) {
  return cytat(slowo) + " to za dluga liczba: moze miec najwyzej " +
         std::to_string(kMaksDlugosc) + " znakow";
}

// The characters of `we` up to the first byte `stop` takes, or the end of
// input, left unread; refused past kMaksDlugosc characters, the rest unread.
// With `na_poczatku` a UTF-8 byte-order mark that starts them is dropped, since
// Notepad writes one; anywhere else the same bytes are input.
template <typename F>
Wczytane<std::string> czytaj_do(std::istream& we, bool na_poczatku, F stop) {
  std::string tekst;
  std::size_t dlugosc = 0;
  int ciag = 3;
  for (int bajt; (bajt = we.peek()) != kKoniec && !stop(bajt);) {
    if (nowy_znak(bajt, ciag) && ++dlugosc > kMaksDlugosc) {
      return {tekst, za_dlugie(tekst)};
    }
    tekst += static_cast<char>(we.get());
    if (na_poczatku && tekst == "\xEF\xBB\xBF") {
      tekst.clear();
      dlugosc = 0;
      na_poczatku = false;
    }
  }
  return {std::move(tekst)};
}

Wczytane<std::int32_t> czytaj_system(std::istream& we, bool na_poczatku) {
  return w_zakresie(czytaj_slowo(we, na_poczatku), "podstawa systemu", 2, 16);
}

// Standard input is at its start until the first read.
bool pierwszy_odczyt() {
  static bool pierwszy = true;
  return std::exchange(pierwszy, false);
}

// A read of standard input, asked again while a person types it and it is
// refused; the outcome is an answer or the refusal that ends the run.
template <typename F, typename... A>
auto sprobuj(F czytaj, A... dalej) {
  for (;;) {
    auto wczytane = czytaj(std::cin, pierwszy_odczyt(), dalej...);
    const std::string wypisane = zabierz_wypisane();
    if (wczytane.blad.empty() || wczytane.koniec || !wpisuje_czlowiek()) {
      return wczytane;
    }
    zglos(wczytane.blad);
    // Answers typed after the refused one on its line go with it.
    if (wczytane.reszta_linii) {
      std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    // The question again: from the line end before the last byte written that
    // is not one, so that a question ending in line ends has them too.
    std::cout << wypisane.substr(
        wypisane.find_last_of('\n', wypisane.find_last_not_of('\n')) + 1);
  }
}

template <typename F, typename... A>
auto wymagaj(F czytaj, A... dalej) {
  auto wczytane = sprobuj(czytaj, dalej...);
  if (!wczytane.blad.empty()) przerwij(wczytane.blad);
  return std::move(wczytane.wartosc);
}

Wczytane<std::int32_t> czytaj_z_linii(std::istream& we, bool na_poczatku,
                                      const char* co, std::int32_t od,
                                      std::int32_t do_) {
  return w_zakresie(czytaj_linie(we, na_poczatku), co, od, do_);
}

}  // namespace

Wczytane<std::string> czytaj_slowo(std::istream& we, bool na_poczatku) {
  bool znacznik = na_poczatku;
  for (; std::isspace(we.peek()); znacznik = false) we.get();
  Wczytane<std::string> slowo =
      czytaj_do(we, znacznik, [](int bajt) { return std::isspace(bajt) != 0; });
  if (!slowo.blad.empty()) return slowo;
  // Only a byte-order mark before white space leaves a word empty here.
  if (slowo.wartosc.empty() && std::isspace(we.peek()))
    return czytaj_slowo(we, false);
  if (blad_odczytu(we)) return {{}, kBladOdczytu, true};
  if (slowo.wartosc.empty()) return {{}, kZabraklo, true};
  return slowo;
}

Wczytane<std::string> czytaj_linie(std::istream& we, bool na_poczatku) {
  Wczytane<std::string> linia =
      czytaj_do(we, na_poczatku, [](int bajt) { return bajt == '\n'; });
  if (!linia.blad.empty()) return linia;
  const bool koniec_linii = we.get() == '\n';
  if (blad_odczytu(we)) return {{}, kBladOdczytu, true};
  if (!koniec_linii && linia.wartosc.empty()) return {{}, kZabraklo, true};
  const std::string& tekst = linia.wartosc;
  const auto odstep = [](unsigned char znak) { return std::isspace(znak); };
  std::size_t koniec = tekst.size();
  while (koniec > 0 && odstep(tekst[koniec - 1])) --koniec;
  std::size_t poczatek = 0;
  while (poczatek < koniec && odstep(tekst[poczatek])) ++poczatek;
  return {tekst.substr(poczatek, koniec - poczatek), "", false, false};
}

Wczytane<std::int32_t> w_zakresie(Wczytane<std::string> slowo, const char* co,
                                  std::int32_t od, std::int32_t do_) {
  const Odczyt liczba = odczyt(slowo.wartosc, 10, true);
  const bool w_nim = liczba.blad == BladOdczytu::brak && liczba.wartosc >= od &&
                     liczba.wartosc <= do_;
  if (!slowo.koniec && (!slowo.blad.empty() || !w_nim)) {
    slowo.blad = std::string(co) + " to liczba od " + std::to_string(od) +
                 " do " + std::to_string(do_) + ", a podano " +
                 cytat(slowo.wartosc);
  }
  return {liczba.wartosc, slowo.blad, slowo.koniec, slowo.reszta_linii};
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
                   std::to_string(sys.wartosc) +
                   " (cyfry: " + cyfry_systemu(sys.wartosc) + ")"};
  }
  return {liczba.wartosc};
}

std::int32_t wczytaj_liczbe(const char* co) {
  return wymagaj(czytaj_liczbe, co);
}

std::string wczytaj_slowo() { return wymagaj(czytaj_slowo); }

std::int32_t wczytaj_system() { return wymagaj(czytaj_system); }

std::int32_t wczytaj_w_systemie() { return wymagaj(czytaj_w_systemie); }

std::int32_t wczytaj_z_linii(const char* co, std::int32_t od,
                             std::int32_t do_) {
  return wymagaj(czytaj_z_linii, co, od, do_);
}

Wczytane<std::string> wczytaj_linie() { return sprobuj(czytaj_linie); }
