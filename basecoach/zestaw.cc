#include "zestaw.h"

#include <algorithm>
#include <cstdlib>
#include <random>

#include "zapis.h"

namespace basecoach {
namespace {

// A place in a set: the bases its task goes from and to, its operation (0,
// '+', '-', or '?' for either), and the range of its value: of the result
// for a sum, of the first number for a difference. Written arithmetic
// (pisemne) has numbers of three digits at least, up to do_, and a carry or
// a borrow.
struct Miejsce {
  std::vector<std::int32_t> z, na;
  char dzialanie;
  std::uint32_t od, do_;
  bool pisemne = false;
};

const std::vector<std::int32_t> k2{2}, k10{10}, k8_16{8, 16},
    kMale{3, 4, 5, 6, 7, 9}, kDuze{11, 12, 13, 14, 15},
    kInne{2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16};

// Each level's places, easier ones first: small numbers and the bases the
// class knows best, then larger numbers and less familiar bases.
const std::vector<Miejsce>& plan(int poziom) {
  static const std::vector<Miejsce> jeden = {
      {k10, k2, 0, 2, 15},   {k2, k10, 0, 2, 15},   {k10, k2, 0, 8, 31},
      {k2, k10, 0, 16, 63},  {k10, k2, 0, 16, 63},  {k2, k10, 0, 32, 127},
      {k10, k2, 0, 32, 127}, {k2, k10, 0, 64, 255}, {k10, k2, 0, 128, 255},
      {k2, k10, 0, 128, 255}};
  static const std::vector<Miejsce> dwa = {
      {k10, k2, 0, 8, 63},        {k2, k10, 0, 8, 63},
      {k2, {8}, 0, 16, 511},      {{8}, k2, 0, 16, 511},
      {k2, {16}, 0, 32, 1023},    {{16}, k2, 0, 32, 1023},
      {k10, k8_16, 0, 64, 1023},  {k8_16, k10, 0, 64, 4095},
      {k10, k8_16, 0, 512, 4095}, {k8_16, k8_16, 0, 256, 4095}};
  static const std::vector<Miejsce> pisemne = {
      {k2, k2, '+', 0, 255, true},        {k2, k2, '-', 0, 255, true},
      {k2, k2, '+', 0, 255, true},        {k2, k2, '-', 0, 255, true},
      {{8}, {8}, '+', 0, 4095, true},     {{8}, {8}, '-', 0, 4095, true},
      {{16}, {16}, '+', 0, 4095, true},   {{16}, {16}, '-', 0, 4095, true},
      {k8_16, k8_16, '?', 0, 4095, true}, {k8_16, k8_16, '?', 0, 4095, true}};
  // 1.2.0's level 3, now level 4, as written arithmetic came after it.
  static const std::vector<Miejsce> cztery = {
      {k10, kMale, 0, 10, 255},         {kMale, k10, 0, 10, 255},
      {k2, k2, '+', 16, 255},           {k10, kDuze, 0, 256, 4095},
      {kDuze, k10, 0, 256, 4095},       {k8_16, k8_16, '-', 64, 4095},
      {kInne, kInne, 0, 64, 4095},      {k10, kInne, 0, 4096, 65535},
      {k8_16, k8_16, '?', 4096, 65535}, {kInne, kInne, 0, 4096, 65535}};
  const std::vector<Miejsce>* plany[] = {&jeden, &dwa, &pisemne, &cztery};
  return *plany[poziom - 1];
}

// A number from `od` to `do_`: the generator's next 32 bits scaled in 64-bit
// arithmetic, which no platform's word size or library changes.
std::uint32_t los(std::mt19937& g, std::uint32_t od, std::uint32_t do_) {
  const std::uint64_t ile = std::uint64_t{do_} - od + 1;
  return od + static_cast<std::uint32_t>(
                  (static_cast<std::uint32_t>(g()) * ile) >> 32);
}

// One of `lista` but `bez`, which it must hold more than.
std::int32_t jeden_z(std::mt19937& g, const std::vector<std::int32_t>& lista,
                     std::int32_t bez = 0) {
  const bool jest = std::count(lista.begin(), lista.end(), bez) > 0;
  std::uint32_t i =
      los(g, 0, static_cast<std::uint32_t>(lista.size() - jest - 1));
  if (jest && lista[i] >= bez) ++i;
  return lista[i];
}

Zadanie losuj(std::mt19937& g, const Miejsce& m) {
  Zadanie zadanie;
  zadanie.z = jeden_z(g, m.z);
  zadanie.dzialanie = m.dzialanie == '?' ? "+-"[los(g, 0, 1)] : m.dzialanie;
  if (zadanie.dzialanie == 0) {
    zadanie.na = jeden_z(g, m.na, zadanie.z);
    zadanie.liczba = static_cast<std::int32_t>(los(g, m.od, m.do_));
    return zadanie;
  }
  zadanie.na = zadanie.z;
  const bool suma = zadanie.dzialanie == '+';
  const auto min =
      m.pisemne ? static_cast<std::uint32_t>(zadanie.z * zadanie.z) : 1;
  const std::uint32_t od = m.pisemne ? (suma ? 2 * min : min + 1) : m.od;
  const auto wartosc = static_cast<std::int32_t>(los(g, od, m.do_));
  zadanie.liczba =
      suma ? static_cast<std::int32_t>(los(g, min, wartosc - min)) : wartosc;
  zadanie.druga = suma ? wartosc - zadanie.liczba
                       : static_cast<std::int32_t>(los(g, min, wartosc - 1));
  return zadanie;
}

// A task's values: its number, its result and, for a sum or a difference,
// its second number.
std::vector<std::int32_t> wartosci(const Zadanie& z) {
  if (z.dzialanie == 0) return {z.liczba, wynik(z)};
  return {z.liczba, wynik(z), z.druga};
}

// True when `a` and `b` share a value: an answer shown after one must not
// give the other away, as 1011(2) to base 10 would 11(10) to base 2.
bool wspolna_liczba(const Zadanie& a, const Zadanie& b) {
  const std::vector<std::int32_t> x = wartosci(a), y = wartosci(b);
  return std::find_first_of(x.begin(), x.end(), y.begin(), y.end()) != x.end();
}

// A task that cannot stand: X + X, or written arithmetic that neither
// carries nor borrows, which a learner does not need the columns for.
bool odrzucone(const Zadanie& z, const Miejsce& m) {
  return (z.dzialanie != 0 && z.liczba == z.druga) ||
         (m.pisemne && po_kolumnie(z, z.dzialanie) == zapis(wynik(z), z.na));
}

}  // namespace

std::vector<Zadanie> zestaw(int poziom, int numer, int dziennik) {
  // Level 4 keeps the seeds of 1.2.0's level 3, and so its sets.
  constexpr int kZiarna[] = {10000, 20000, 40000, 30000};
  const int ziarno =
      dziennik ? 100000 * dziennik + 10000 * poziom : kZiarna[poziom - 1];
  std::mt19937 g(static_cast<std::uint32_t>(ziarno + numer));
  std::vector<Zadanie> zadania;
  for (const Miejsce& miejsce : plan(poziom)) {
    Zadanie zadanie = losuj(g, miejsce);
    // Drawn again, whole, while it cannot stand or shares a value with one
    // before: every range holds many more numbers than a set has tasks.
    while (odrzucone(zadanie, miejsce) ||
           std::any_of(zadania.begin(), zadania.end(), [&](const Zadanie& z) {
             return wspolna_liczba(z, zadanie);
           })) {
      zadanie = losuj(g, miejsce);
    }
    zadania.push_back(zadanie);
  }
  return zadania;
}

std::string po_kolumnie(const Zadanie& zadanie, char jak) {
  const std::int32_t sys = zadanie.z;
  std::string cyfry;
  for (std::int32_t a = zadanie.liczba, b = zadanie.druga; a > 0 || b > 0;
       a /= sys, b /= sys) {
    const std::int32_t x = a % sys, y = b % sys;
    const std::int32_t c = jak == '+'   ? x + y
                           : jak == '-' ? x - y + sys
                                        : std::abs(x - y);
    cyfry.insert(cyfry.begin(), znaki[c % sys]);
  }
  return zapis(odczyt(cyfry, sys).wartosc, sys);
}

std::int32_t wynik(const Zadanie& z) {
  if (z.dzialanie == 0) return z.liczba;
  return z.dzialanie == '+' ? z.liczba + z.druga : z.liczba - z.druga;
}

std::string tresc(const Zadanie& zadanie) {
  const std::string podstawa =
      " w systemie o podstawie " + std::to_string(zadanie.na) + ".";
  if (zadanie.dzialanie == 0)
    return "zapisz " + z_podstawa(zadanie.liczba, zadanie.z) + podstawa;
  return "oblicz " + z_podstawa(zadanie.liczba, zadanie.z) + " " +
         zadanie.dzialanie + " " + z_podstawa(zadanie.druga, zadanie.z) +
         " i zapisz wynik" + podstawa;
}

}  // namespace basecoach
