// The teacher's two choices: a worksheet with its key, and the class's
// results from the codes of a test.
#include <array>
#include <iomanip>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "kod.h"
#include "koniec.h"
#include "rozwiazanie.h"
#include "terminal.h"
#include "trening.h"
#include "wczytaj.h"
#include "zapis.h"
#include "zestaw.h"

namespace basecoach {

int karta_pracy() {
  std::cout << "Karta pracy: zadania dla grupy A i B, potem klucz z "
               "obliczeniami.\n";
  const int poziom_kart = poziom();
  const int a = wczytaj_z_linii(
      "Zestaw dla grupy A (1-9999): ", "numer zestawu", 1, 9999);
  int b = 0;
  // One set for both groups would let a learner copy from a neighbour.
  while ((b = wczytaj_z_linii("Zestaw dla grupy B (1-9999, 0 = bez grupy B): ",
                              "numer zestawu", 0, 9999)) == a) {
    auto opis = "zestaw " + std::to_string(a) + " ma juz grupa A, wpisz inny";
    if (!wpisuje_czlowiek()) przerwij(opis);
    zglos(opis);
  }
  // A form feed starts a printer's new page; a terminal would show it as
  // nothing or a symbol.
  const std::string strona =
      na_terminalu(1) ? "\n" + std::string(60, '-') + "\n" : "\n\f";
  std::ostringstream klucz;
  klucz << strona << "KLUCZ - tylko dla nauczyciela\n";
  for (const int numer : {a, b}) {
    if (numer == 0) continue;
    const std::string grupa = std::string("Grupa ") + "AB"[numer == b] +
                              " - poziom " + std::to_string(poziom_kart) +
                              ", zestaw " + std::to_string(numer) + "\n";
    std::cout << strona << grupa
              << "Imie i nazwisko: ____________________   Klasa: ______\n";
    klucz << '\n' << grupa;
    int i = 0;
    for (const Zadanie& z : zestaw(poziom_kart, numer)) {
      std::cout << "\nZadanie " << ++i << " z " << kZadan << ": " << tresc(z)
                << "\nOdpowiedz: ______________\n\n\n";
      klucz << "\nZadanie " << i << ": " << z_podstawa(wynik(z), z.na) << '\n';
      for (const std::string& krok : rozwiazanie(z))
        klucz << "  " << krok << '\n';
    }
  }
  std::cout << klucz.str();
  return 0;
}

int wyniki_klasy() {
  std::cout << "Wklej kody uczniow, jeden w wierszu; na koniec wpisz koniec.\n";
  std::multimap<int, Wynik_testu> wyniki;  // a number's codes as they came
  std::set<std::string> kody;
  Tekst linia;  // the last, whose refusal, after the table, ends the run
  for (int wiersz = 1;; ++wiersz) {
    linia = wczytaj_linie("");
    if (linia.odmowa.powod != Powod::brak || linia.wartosc == "koniec" ||
        linia.wartosc == "Koniec" || linia.wartosc == "KONIEC")
      break;
    if (linia.wartosc.empty()) continue;
    const auto wynik = odkoduj(linia.wartosc);
    if (!wynik) {
      std::cout << "wiersz " << wiersz << ": kod niepoprawny\n";
    } else if (kody.insert(zakoduj(*wynik)).second) {
      wyniki.emplace(wynik->numer, *wynik);
    }
  }
  // For each level: how many got each task wrong, then how many took it.
  std::map<int, std::array<int, kZadan + 1>> zle;
  std::cout << "\nnr  poziom  zestaw  wynik  zle zadania\n";
  for (const auto& [numer, w] : wyniki) {
    std::array<int, kZadan + 1>& licznik = zle[w.poziom];
    ++licznik[kZadan];
    std::string ktore;
    int dobrze = kZadan;
    for (int i = 0; i < kZadan; ++i) {
      if (w.dobre >> i & 1) continue;
      ktore += (ktore.empty() ? "" : ", ") + std::to_string(i + 1);
      ++licznik[i], --dobrze;
    }
    std::cout << std::setw(2) << numer << std::setw(8) << w.poziom
              << std::setw(8) << w.zestaw << std::setw(4) << dobrze << '/'
              << kZadan << "  " << (ktore.empty() ? "-" : ktore)
              << (wyniki.count(numer) > 1 ? "  (ten numer ma kilka kodow)" : "")
              << '\n';
  }
  for (const auto& [poziom_kodow, licznik] : zle) {
    std::cout << "\nPoziom " << poziom_kodow << ":\n";
    for (int i = 0; i < kZadan; ++i) {
      std::cout << "zadanie " << i + 1 << ": " << licznik[i] << " z "
                << licznik[kZadan] << " zle\n";
    }
  }
  if (linia.odmowa.powod != Powod::brak && linia.odmowa.powod != Powod::koniec)
    przerwij(opis(linia.odmowa));
  return 0;
}

}  // namespace basecoach
