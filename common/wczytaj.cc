#include "wczytaj.h"

#include <iostream>
#include <utility>

#include "koniec.h"
#include "slowa.h"
#include "terminal.h"

namespace {

// Standard input is at its start until the first read.
bool na_poczatku = true;

// Writes `pytanie`, takes a line or a word and checks it with `sprawdz`,
// `dalej` after it, again while a person types the input and it is refused;
// hands back an answer or the refusal that ends the run.
template <typename F, typename... A>
auto zapytaj(std::string_view pytanie, bool linia, F sprawdz, A... dalej) {
  for (bool poczatek = std::exchange(na_poczatku, false);; poczatek = false) {
    std::cout << pytanie;
    const Tekst tekst = linia ? czytaj_linie(std::cin, poczatek)
                              : czytaj_slowo(std::cin, poczatek);
    auto wczytane = sprawdz(tekst, dalej...);
    const Odmowa& odmowa = wczytane.odmowa;
    if (odmowa.powod == Powod::brak || odmowa.ostateczna() ||
        !wpisuje_czlowiek())
      return wczytane;
    zglos(opis(odmowa));
    // Answers typed after the refused one on its line go with it.
    if (!linia || tekst.odmowa.powod == Powod::dlugosc)
      pomin_reszte_linii(std::cin);
  }
}

// zapytaj, ending the run at a refusal.
template <typename F, typename... A>
auto wymagaj(std::string_view pytanie, bool linia, F sprawdz, A... dalej) {
  auto wczytane = zapytaj(pytanie, linia, sprawdz, dalej...);
  if (wczytane.odmowa.powod != Powod::brak) przerwij(opis(wczytane.odmowa));
  return std::move(wczytane.wartosc);
}

}  // namespace

std::int32_t wczytaj_liczbe(std::string_view pytanie, const char* co) {
  return wymagaj(pytanie, false, dziesietna, co);
}

std::string wczytaj_slowo(std::string_view pytanie) {
  return wymagaj(pytanie, false, [](const Tekst& slowo) { return slowo; });
}

std::int32_t wczytaj_system(std::string_view pytanie) {
  return wymagaj(pytanie, false, podstawa);
}

std::int32_t wczytaj_w_systemie(std::string_view pytanie) {
  return wymagaj(pytanie, false, [](const Tekst& cyfry) {
    // A refused number is not followed by its base.
    const bool dalej = cyfry.odmowa.powod == Powod::brak;
    return w_systemie(cyfry, dalej ? czytaj_slowo(std::cin, false) : cyfry);
  });
}

std::int32_t wczytaj_z_linii(std::string_view pytanie, const char* co,
                             std::int32_t od, std::int32_t do_) {
  return wymagaj(pytanie, true, w_zakresie, co, od, do_);
}

Tekst wczytaj_linie(std::string_view pytanie) {
  return zapytaj(pytanie, true, [](const Tekst& linia) { return linia; });
}
