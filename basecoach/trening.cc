#include "trening.h"

#include <bitset>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>

#include "kod.h"
#include "koniec.h"
#include "ocena.h"
#include "rozwiazanie.h"
#include "terminal.h"
#include "wczytaj.h"
#include "zapis.h"
#include "zestaw.h"

namespace basecoach {
namespace {

// A set for a learner who asked for any: unlike the tasks, it may differ
// from run to run. The clock covers a platform without a random device.
int losowy_numer() {
  auto ziarno = static_cast<std::uint32_t>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  try {
    ziarno ^= static_cast<std::uint32_t>(std::random_device{}());
  } catch (const std::exception&) {
  }
  return 1 + static_cast<int>((std::uint64_t{ziarno} * 9999) >> 32);
}

// Why `odpowiedz` does not count, its character at `pozycja` no digit (npos:
// it is empty), and how to write a number in base `sys`.
std::string nie_liczy_sie(const std::string& odpowiedz, std::size_t pozycja,
                          std::int32_t sys) {
  std::string powod = "Nic nie wpisano.";
  if (pozycja != odpowiedz.npos) {
    std::size_t dlugosc = 1;  // that character's bytes, as the limit counts
    for (int ciag = 0; pozycja + dlugosc < odpowiedz.size() &&
                       !nowy_znak(odpowiedz[pozycja + dlugosc], ciag);)
      ++dlugosc;
    const std::string znak = odpowiedz.substr(pozycja, dlugosc);
    powod = "Nie liczy sie: " + cytat(odpowiedz) + ", bo " +
            (znak == " " ? "spacja" : cytat(znak)) + " to nie cyfra.";
  }
  return powod + " Wpisz sama liczbe z cyfr " + cyfry_systemu(sys) +
         ", bez spacji, przecinka, plusa, minusa i 0x, np. " +
         zapis(3 * sys - 1, sys) + ".";
}

// The score so far, and the hints asked for: "Wynik: 8 z 10, podpowiedzi:
// 2", the line an interrupt writes kept as it changes.
struct Wynik {
  int zadane = 0, podpowiedzi = 0;
  unsigned ktore = 0;  // bit i: task i + 1 right
  std::string tekst() const {
    return "Wynik: " + std::to_string(std::bitset<kZadan>(ktore).count()) +
           " z " + std::to_string(zadane) +
           (podpowiedzi ? ", podpowiedzi: " + std::to_string(podpowiedzi) : "");
  }
  void zapamietaj() const { przy_przerwaniu("\n" + tekst() + ".\n"); }
};

// Asks for an answer to `zadanie` until one counts and shows its verdict,
// with a hint for each "?" (in a test, neither: "Przyjeto."); hands back
// whether it was right, or the refusal that ended the input.
Wczytane<bool> odpowiedz(const Zadanie& zadanie, Wynik& punkty, bool test) {
  const std::int32_t sys = zadanie.na;
  for (;;) {
    const Tekst linia = wczytaj_linie("Odpowiedz: ");
    if (linia.odmowa.powod != Powod::brak) return {false, linia.odmowa};
    if (linia.wartosc == "?") {
      std::cout << (test ? "W sprawdzianie nie ma podpowiedzi."
                         : podpowiedz(zadanie))
                << '\n';
      punkty.podpowiedzi += !test;
      punkty.zapamietaj();
      continue;
    }
    const Sprawdzenie ocena = sprawdz(linia.wartosc, zadanie);
    if (test && ocena.ocena != Ocena::nie_liczy_sie) {
      std::cout << "Przyjeto.\n";
      return {ocena.ocena == Ocena::dobrze};
    }
    switch (ocena.ocena) {
      case Ocena::dobrze:
        std::cout << "Dobrze.\n";
        return {true};
      case Ocena::nie_liczy_sie:
        std::cout << nie_liczy_sie(linia.wartosc, ocena.pozycja, sys) << '\n';
        continue;
      case Ocena::obca_cyfra:
        std::cout << "Zle. Cyfra " << ocena.cyfra
                  << " nie wystepuje w systemie o podstawie " << sys << ".";
        break;
      case Ocena::zle:
        std::cout << "Zle." << (ocena.pomylka.empty() ? "" : " ")
                  << ocena.pomylka;
        break;
    }
    std::cout << " Poprawna odpowiedz: " << z_podstawa(wynik(zadanie), sys)
              << '\n';
    for (const std::string& krok : rozwiazanie(zadanie)) {
      std::cout << "  " << krok << '\n';
    }
    return {false};
  }
}

}  // namespace

int poziom() {
  std::cout << "Poziom 1: systemy o podstawie 2 i 10, liczby od 1 do 255.\n"
               "Poziom 2: systemy o podstawie 2, 8, 10 i 16, liczby od 1 do "
               "4095.\n"
               "Poziom 3: dodawanie i odejmowanie pisemne w systemach o "
               "podstawie 2, 8 i 16, liczby do 4095.\n"
               "Poziom 4: systemy o podstawie od 2 do 16, liczby od 1 do "
               "65535, dodawanie i odejmowanie.\n";
  return wczytaj_z_linii("Podaj poziom (1-4): ", "poziom", 1, 4);
}

int lekcja() {
  std::cout << "Co robimy?\n1 = trening\n2 = sprawdzian\n3 = karta pracy (dla "
               "nauczyciela)\n4 = wyniki klasy (dla nauczyciela)\n";
  const int wybor = wczytaj_z_linii("Wybierz (1-4): ", "wybor", 1, 4);
  if (wybor == 3) return karta_pracy();
  return wybor == 4 ? wyniki_klasy() : trening(wybor == 2);
}

int trening(bool test) {
  std::cout << (test ? "Sprawdzian: bez podpowiedzi; wynik i kod dopiero na "
                       "koncu.\n"
                     : "Trening: zamiana liczb miedzy systemami liczbowymi.\n");
  const int dziennik =
      test ? wczytaj_z_linii(
                 "Twoj numer w dzienniku (1-99): ", "numer w dzienniku", 1, 99)
           : 0;
  const int poziom_zestawu = poziom();
  std::int32_t numer = wczytaj_z_linii(
      "Podaj numer zestawu (1-9999, 0 = losowy): ", "numer zestawu", 0, 9999);
  if (numer == 0) {
    numer = losowy_numer();
    std::cout << "Losowy zestaw: " << numer << '\n';
  }
  Wynik punkty;
  for (const Zadanie& zadanie : zestaw(poziom_zestawu, numer, dziennik)) {
    std::cout << "\nZadanie " << punkty.zadane + 1 << " z " << kZadan << ": "
              << tresc(zadanie) << '\n';
    punkty.zapamietaj();
    Wczytane<bool> werdykt = odpowiedz(zadanie, punkty, test);
    const bool jest = werdykt.odmowa.powod == Powod::brak;
    punkty.ktore |= unsigned{werdykt.wartosc} << punkty.zadane;
    punkty.zadane += jest;
    punkty.zapamietaj();
    // Where a person reads, the working of a wrong answer stays in sight.
    if (jest && !werdykt.wartosc && !test && punkty.zadane < kZadan &&
        wpisuje_czlowiek())
      werdykt.odmowa =
          wczytaj_linie("Nacisnij Enter, aby przejsc dalej.").odmowa;
    if (werdykt.odmowa.powod != Powod::brak) {
      std::cout << "\n" << punkty.tekst() << ".\n";
      przerwij(opis(werdykt.odmowa));
    }
  }
  przy_przerwaniu("");
  std::cout << "\n"
            << punkty.tekst() << ". Poziom " << poziom_zestawu << ", zestaw "
            << numer
            << (dziennik ? ", numer " + std::to_string(dziennik) +
                               ".\nKod dla nauczyciela: " +
                               zakoduj({dziennik, poziom_zestawu, numer,
                                        punkty.ktore})
                         : ".")
            << '\n';
  return 0;
}

}  // namespace basecoach
