#include "zadania.h"

#include <iostream>

#include "konwersje.h"
#include "wczytaj.h"
#include "zapis.h"

namespace basequiz {

void parzysta(std::string bin) {
  if (bin.empty()) return;
  const char znak = bin.back();
  // "nie parzysta", in two words, is part of the fixed dialogue.
  if (znak == '1')
    std::cout << "liczba nie parzysta\n";
  else if (znak == '0')
    std::cout << "liczba parzysta\n";
}

void parzysta_ver2(std::string bin) {
  const std::int32_t liczba = radixval(bin, 2);
  std::cout << (liczba % 2 != 0 ? "liczba nie parzysta\n"
                                : "liczba parzysta\n");
}

void zadanie2(std::string liczba1, std::int32_t sys1, char dzialanie,
              std::string liczba2, std::int32_t sys2) {
  const auto dec1 = static_cast<std::uint32_t>(radixval(liczba1, sys1));
  const auto dec2 = static_cast<std::uint32_t>(radixval(liczba2, sys2));
  std::cout << liczba1 << etykieta(sys1) << dzialanie << liczba2
            << etykieta(sys2) << '=';
  std::cout << jako_int32(dzialanie == '+' ? dec1 + dec2 : dec1 - dec2)
            << "(10)\n";
}

namespace {

// Two characters from `od`; empty when the colour is shorter than that.
std::string kawalek(const std::string& color, std::size_t od) {
  return od < color.size() ? color.substr(od, 2) : std::string();
}

}  // namespace

void hex_rgb(std::string color) {
  const std::int32_t r = radixval(kawalek(color, 0), 16);
  const std::int32_t g = radixval(kawalek(color, 2), 16);
  const std::int32_t b = radixval(kawalek(color, 4), 16);
  std::cout << "Kolor #" << color << "="
            << "rgb(" << r << " ," << g << " ," << b << ")\n";
}

void hex_inc(std::string hex) {
  const auto dec = static_cast<std::uint32_t>(radixval(hex, 16)) + 1u;
  std::cout << dec2sys(jako_int32(dec), 16) << "\n";
}

void kalkulator() {
  const std::int32_t dec =
      wczytaj_w_systemie("Podaj liczbe i system, w ktorym jest zapisana: ");
  std::cout << "Hex: " << dec2sys(dec, 16) << "\n";
  std::cout << "DEC: " << dec << "\n";
  std::cout << "OCT: " << dec2sys(dec, 8) << "\n";
  std::cout << "BIN: " << dec2sys(dec, 2) << "\n";
}

}  // namespace basequiz
