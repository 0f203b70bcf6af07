#include "trening.h"

#include <chrono>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>

#include "koniec.h"
#include "ocena.h"
#include "rozwiazanie.h"
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

// Asks for an answer to `zadanie` until one counts and shows its verdict;
// hands back whether it was right, or the refusal that ended the input.
Wczytane<bool> odpowiedz(const Zadanie& zadanie) {
  const std::int32_t sys = zadanie.na;
  for (;;) {
    const Wczytane<std::string> linia = wczytaj_linie("Odpowiedz: ");
    if (linia.odmowa.powod != Powod::brak) return {false, linia.odmowa};
    const Sprawdzenie ocena = sprawdz(linia.wartosc, sys, wynik(zadanie));
    switch (ocena.ocena) {
      case Ocena::dobrze:
        std::cout << "Dobrze.\n";
        return {true};
      case Ocena::nie_liczy_sie:
        std::cout << "Wpisz sama liczbe w systemie o podstawie " << sys
                  << ": cyfry " << cyfry_systemu(sys)
                  << ", bez spacji, znakow, przecinkow i przedrostkow.\n";
        continue;
      case Ocena::obca_cyfra:
        std::cout << "Zle. Cyfra " << ocena.cyfra
                  << " nie wystepuje w systemie o podstawie " << sys << ".";
        break;
      case Ocena::zle:
        std::cout << "Zle.";
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

int trening() {
  std::cout << "Trening: zamiana liczb miedzy systemami liczbowymi.\n"
               "Poziom 1: systemy o podstawie 2 i 10, liczby od 1 do 255.\n"
               "Poziom 2: systemy o podstawie 2, 8, 10 i 16, liczby od 1 do "
               "4095.\n"
               "Poziom 3: dodawanie i odejmowanie pisemne w systemach o "
               "podstawie 2, 8 i 16, liczby do 4095.\n"
               "Poziom 4: systemy o podstawie od 2 do 16, liczby od 1 do "
               "65535, dodawanie i odejmowanie.\n";
  const std::int32_t poziom =
      wczytaj_z_linii("Podaj poziom (1-4): ", "poziom", 1, 4);
  std::int32_t numer = wczytaj_z_linii(
      "Podaj numer zestawu (1-9999, 0 = losowy): ", "numer zestawu", 0, 9999);
  if (numer == 0) {
    numer = losowy_numer();
    std::cout << "Losowy zestaw: " << numer << '\n';
  }
  int dobrze = 0;
  int zadane = 0;
  for (const Zadanie& zadanie : zestaw(poziom, numer)) {
    std::cout << "\nZadanie " << zadane + 1 << " z " << kZadan << ": "
              << tresc(zadanie) << '\n';
    const Wczytane<bool> werdykt = odpowiedz(zadanie);
    if (werdykt.odmowa.powod != Powod::brak) {
      std::cout << "\nWynik: " << dobrze << " z " << zadane << ".\n";
      przerwij(opis(werdykt.odmowa));
    }
    dobrze += werdykt.wartosc;
    ++zadane;
  }
  std::cout << "\nWynik: " << dobrze << " z " << kZadan << ". Poziom " << poziom
            << ", zestaw " << numer << ".\n";
  return 0;
}

}  // namespace basecoach
