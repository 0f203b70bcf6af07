#include "kod.h"

#include <cctype>
#include <cstdint>
#include <cstring>

#include "zestaw.h"

// A code is 55 bits: 2 zero bits, the number (7), the level less 1 (2), the
// set (14), the tasks right (10) and 20 bits of a hash over those and the
// test's answers, which a code from a program drawing other tasks fails.
// They make eleven symbols of 5 bits, and a twelfth makes the polynomial of
// all twelve zero at x, a generator of GF(32): as the twelve weights (powers
// of x) differ and none is zero, a symbol changed or two different
// neighbours swapped always leave it non-zero.
namespace basecoach {
namespace {

// Crockford's symbols, then O, I and L, read as 0, 1 and 1.
constexpr char kOdczyt[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZOIL";

// Times x in GF(32), whose elements are polynomials modulo x^5 + x^2 + 1.
unsigned razy_x(unsigned a) { return a & 16 ? (a << 1) ^ 0x25 : a << 1; }

// FNV-1a, 64 bits, written out: std::hash differs between platforms.
std::uint32_t skrot(const Wynik_testu& w) {
  std::uint64_t h = 14695981039346656037u;
  auto dodaj = [&h](auto wartosc) {
    auto v = static_cast<std::uint32_t>(wartosc);
    for (int i = 0; i < 4; ++i, v >>= 8) h = (h ^ (v & 0xFF)) * 1099511628211u;
  };
  dodaj(w.numer), dodaj(w.poziom), dodaj(w.zestaw), dodaj(w.dobre);
  for (const Zadanie& z : zestaw(w.poziom, w.zestaw, w.numer)) dodaj(wynik(z));
  return static_cast<std::uint32_t>(h >> 44);
}

}  // namespace

std::string zakoduj(const Wynik_testu& w) {
  std::uint64_t bity = static_cast<unsigned>(w.numer * 4 + w.poziom - 1);
  bity = ((bity << 14 | static_cast<unsigned>(w.zestaw)) << 10 | w.dobre)
             << 20 |
         skrot(w);
  std::string kod;
  unsigned reszta = 0;
  for (int i = 10; i >= 0; --i) {
    const unsigned symbol = (bity >> (5 * i)) & 31;
    reszta = razy_x(reszta) ^ symbol;
    kod += kOdczyt[symbol];
  }
  kod += kOdczyt[razy_x(reszta)];
  return kod.substr(0, 4) + '-' + kod.substr(4, 4) + '-' + kod.substr(8);
}

std::optional<Wynik_testu> odkoduj(std::string_view kod) {
  std::string symbole(kod);
  // Dashes, or the blanks a learner may write for them, between the groups.
  if (kod.size() == 14 && kod[4] == kod[9] && (kod[4] == '-' || kod[4] == ' '))
    symbole.erase(9, 1).erase(4, 1);
  if (symbole.size() != 12) return std::nullopt;
  std::uint64_t bity = 0;
  unsigned reszta = 0;
  for (const char znak : symbole) {
    const char* symbol = std::strchr(kOdczyt, std::toupper(znak & 0xFF));
    if (znak == '\0' || symbol == nullptr) return std::nullopt;
    const auto i = static_cast<unsigned>(symbol - kOdczyt);  // O, I, L last
    reszta = razy_x(reszta) ^ (i < 32 ? i : i > 32);
    bity = bity << 5 | (i < 32 ? i : i > 32);
  }
  bity >>= 5;  // the check symbol
  const Wynik_testu w{static_cast<int>(bity >> 46),
                      static_cast<int>(bity >> 44 & 3) + 1,
                      static_cast<int>(bity >> 30 & 0x3FFF),
                      static_cast<unsigned>(bity >> 20 & 0x3FF)};
  if (reszta != 0 || w.numer < 1 || w.numer > 99 || w.zestaw < 1 ||
      w.zestaw > 9999 || skrot(w) != (bity & 0xFFFFF))
    return std::nullopt;
  return w;
}

}  // namespace basecoach
