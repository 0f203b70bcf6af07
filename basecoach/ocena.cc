#include "ocena.h"

#include <algorithm>
#include <string>

#include "zapis.h"

namespace basecoach {
namespace {

// The bits of `liczba` grouped from the left in groups of `bity`, each read
// as a digit; the short last group read as it stands or, with `zera`, filled
// with zeros on the right: 1110010001 gives E41 or E44.
std::string od_lewej(std::int32_t liczba, std::size_t bity, bool zera) {
  std::string dwojkowo = zapis(liczba, 2), cyfry;
  if (zera) dwojkowo.append((bity - dwojkowo.size() % bity) % bity, '0');
  for (std::size_t i = 0; i < dwojkowo.size(); i += bity)
    cyfry += znaki[odczyt(dwojkowo.substr(i, bity), 2).wartosc];
  return cyfry;
}

// What the learner did, where `cyfry` is exactly its answer; empty for none.
std::string pomylka(const std::string& cyfry, const Zadanie& z) {
  const std::int32_t na = z.na, w = wynik(z);
  const std::string dobra = zapis(w, na), podstawa = std::to_string(na);
  const bool z10 = z.z == 10;
  if (z.dzialanie == '+' && cyfry == po_kolumnie(z, '+'))
    return "Brakuje przeniesienia: gdy suma w kolumnie dojdzie do " + podstawa +
           ", przenies 1 do kolumny obok.";
  if (z.dzialanie == '-' && cyfry == po_kolumnie(z, '-'))
    return "Po pozyczce zmniejsz o 1 cyfre w kolumnie obok.";
  if (z.dzialanie == '-' && cyfry == po_kolumnie(z, '|'))
    return "Gdy cyfra u gory jest mniejsza, pozycz 1 z kolumny obok.";
  if (cyfry == std::string(dobra.rbegin(), dobra.rend()))
    return z10 ? "Reszty sa dobre, ale czytasz je od gory: czytaj od dolu."
               : "Cyfry sa w odwrotnej kolejnosci.";
  // The division that gives the missing digit: the last one, or the first.
  const auto dzielenie = [&](std::int32_t n) {
    return " (" + std::to_string(n) + " : " + podstawa + " = " +
           std::to_string(n / na) + ", reszta " + std::to_string(n % na) +
           ") tez daje cyfre.";
  };
  if (cyfry == dobra.substr(1))
    return z10 ? "Brakuje pierwszej cyfry: ostatnie dzielenie" +
                     dzielenie(wartosc_cyfry(dobra[0]))
               : "Brakuje pierwszej cyfry.";
  if (cyfry == dobra.substr(0, dobra.size() - 1))
    return z10 ? "Brakuje ostatniej cyfry: pierwsze dzielenie" + dzielenie(w)
               : "Brakuje ostatniej cyfry.";
  const std::size_t grupa = bity(na);
  if (z.z == 2 && grupa > 0 &&
      (cyfry == od_lewej(w, grupa, false) || cyfry == od_lewej(w, grupa, true)))
    return "Bity grupuj od prawej, a z lewej dopisz zera.";
  if (z.dzialanie == 0 && cyfry == zapis(z.liczba, z.z))
    return "To jest liczba z zadania: zapisz ja w systemie o podstawie " +
           podstawa + ".";
  if (na != 10 && cyfry == std::to_string(w))
    return "To jest wartosc w systemie dziesietnym: zapisz ja jeszcze w "
           "systemie o podstawie " +
           podstawa + ".";
  return {};
}

}  // namespace

Sprawdzenie sprawdz(std::string_view odpowiedz, const Zadanie& zadanie) {
  const std::int32_t sys = zadanie.na;
  // The label the program writes after a number may follow the digits.
  const std::string podstawa = etykieta(sys);
  std::string_view cyfry = odpowiedz;
  if (cyfry.size() >= podstawa.size() &&
      cyfry.substr(cyfry.size() - podstawa.size()) == podstawa)
    cyfry.remove_suffix(podstawa.size());
  // The first character that is no digit; cyfry is the answer's beginning.
  const auto obca = static_cast<std::size_t>(
      std::find_if(odpowiedz.begin(), odpowiedz.end(),
                   [](char znak) { return wartosc_cyfry(znak) < 0; }) -
      odpowiedz.begin());
  if (cyfry.empty() || obca < cyfry.size())
    return {Ocena::nie_liczy_sie, 0,
            obca == odpowiedz.size() ? odpowiedz.npos : obca};
  const Odczyt liczba = odczyt(cyfry, sys);
  if (liczba.blad == BladOdczytu::zla_cyfra)
    return {Ocena::obca_cyfra, znaki[wartosc_cyfry(cyfry[liczba.pozycja])]};
  // A value past odczyt's range is no task's result either.
  if (liczba.blad == BladOdczytu::brak && liczba.wartosc == wynik(zadanie))
    return {Ocena::dobrze};
  std::string duze(cyfry);
  for (char& znak : duze) znak = znaki[wartosc_cyfry(znak)];
  return {Ocena::zle, 0, odpowiedz.npos, pomylka(duze, zadanie)};
}

}  // namespace basecoach
