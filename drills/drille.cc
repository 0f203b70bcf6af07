#include "drille.h"

#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "wczytaj.h"
#include "zapis.h"

namespace drills {
namespace {

constexpr const char* kPodajLiczbe = "Podaj liczbe dziesietna: ";

void wypisz_wynik(std::int32_t pom, std::string_view tekst, std::int32_t sys) {
  std::cout << "liczba: " << pom << tekst << zapis(pom, sys) << "\n\n";
}

// The drill of one fixed base.
void cwiczenie(const char* naglowek, std::int32_t sys, const char* tekst) {
  std::cout << naglowek;
  wypisz_wynik(wczytaj_liczbe(kPodajLiczbe), tekst, sys);
}

}  // namespace

void dec2bin() {
  cwiczenie("DEC 2 BIN \n\n", 2, " to w systemie dwojkowym -> ");
}

void dec2oct() {
  cwiczenie("DEC 2 OCT \n\n", 8, " to w systemie osemkowym -> ");
}

void dec2hex() {
  cwiczenie("DEC 2 HEX \n\n", 16, " to w systemie szesnastkowym -> ");
}

void dec2sys() {
  std::cout << "DEC 2 dowolny system (2-16) \n\n";
  // The one question followed by line ends: part of the fixed dialogue.
  const std::int32_t liczba =
      wczytaj_liczbe(std::string(kPodajLiczbe) + "\n\n");
  const std::int32_t sys = wczytaj_system("Podaj system liczbowy: ");
  // No blank between "systemie" and the base: part of the fixed dialogue.
  wypisz_wynik(liczba, " to w systemie" + std::to_string(sys) + " --> ", sys);
}

}  // namespace drills
