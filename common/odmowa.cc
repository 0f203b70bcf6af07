#include "odmowa.h"

#include "terminal.h"
#include "zapis.h"

namespace {

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

}  // namespace

Liczba dziesietna(const Tekst& slowo, const char* co) {
  const Odczyt odczytana = odczyt(slowo.wartosc, 10, true);
  const bool cyfry = odczytana.blad == BladOdczytu::brak ||
                     odczytana.blad == BladOdczytu::za_duza;
  if (slowo.odmowa.ostateczna() || (cyfry && slowo.odmowa.powod != Powod::brak))
    return {0, slowo.odmowa};
  if (odczytana.blad == BladOdczytu::brak) return {odczytana.wartosc};
  return {0, {cyfry ? Powod::int32 : Powod::znaki, slowo.wartosc, co}};
}

Liczba w_zakresie(const Tekst& slowo, const char* co, std::int32_t od,
                  std::int32_t do_) {
  const Liczba liczba = dziesietna(slowo);
  const bool w_nim = liczba.odmowa.powod == Powod::brak &&
                     liczba.wartosc >= od && liczba.wartosc <= do_;
  if (w_nim || liczba.odmowa.ostateczna()) return liczba;
  return {0, {Powod::zakres, slowo.wartosc, co, od, do_}};
}

Liczba w_systemie(const Tekst& cyfry, const Tekst& sys) {
  if (cyfry.odmowa.powod != Powod::brak) return {0, cyfry.odmowa};
  const Liczba baza = podstawa(sys);
  if (baza.odmowa.powod != Powod::brak) return baza;
  const Odczyt odczytana = odczyt(cyfry.wartosc, baza.wartosc);
  if (odczytana.blad == BladOdczytu::brak) return {odczytana.wartosc};
  return {0,
          {odczytana.blad == BladOdczytu::za_duza ? Powod::int32 : Powod::cyfra,
           cyfry.wartosc, "", 0, 0, baza.wartosc, odczytana.pozycja}};
}

std::string opis(const Odmowa& odmowa) {
  const std::string slowo = cytat(odmowa.slowo);
  std::string_view znak = std::string_view(odmowa.slowo).substr(odmowa.pozycja);
  switch (odmowa.powod) {
    case Powod::koniec:
      return "zabraklo odpowiedzi: wpisywanie zakonczono";
    case Powod::odczyt:
      return "nie udalo sie odczytac odpowiedzi";
    case Powod::dlugosc:
      return slowo + " to za dluga liczba: moze miec najwyzej " +
             std::to_string(kMaksDlugosc) + " znakow";
    case Powod::znaki:
      return slowo + " to nie jest " + odmowa.co;
    case Powod::int32:
      return slowo + (odmowa.slowo[0] == '-'
                          ? " to za mala liczba: najmniejsza to -2147483648"
                          : " to za duza liczba: najwieksza to 2147483647");
    case Powod::zakres:
      return odmowa.co + (" to liczba od " + std::to_string(odmowa.od)) +
             " do " + std::to_string(odmowa.do_) + ", a podano " + slowo;
    case Powod::cyfra:
      return slowo + ": znak \"" + pokaz(znak, 1) +
             "\" nie jest cyfra systemu o podstawie " +
             std::to_string(odmowa.sys) +
             " (cyfry: " + cyfry_systemu(odmowa.sys) + ")";
    default:
      return {};
  }
}

std::string cytat(std::string_view slowo) {
  const std::string tekst = pokaz(slowo, 20);
  return '"' + tekst + (slowo.empty() ? "\"" : "...\"");
}
