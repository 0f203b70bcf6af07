#include "konwersje.h"

#include <cctype>
#include <limits>

#include "zapis.h"

namespace {

// Alphabet index of `znak` upper-cased, or npos.
std::size_t wartosc_cyfry(char znak) {
  const auto duzy = std::toupper(static_cast<unsigned char>(znak));
  return znaki.find(static_cast<char>(duzy));
}

}  // namespace

std::int32_t jako_int32(std::uint32_t w) {
  constexpr std::uint32_t maks = std::numeric_limits<std::int32_t>::max();
  if (w <= maks) return static_cast<std::int32_t>(w);
  // w - 2^32, computed without leaving the signed range.
  return -static_cast<std::int32_t>(~w) - 1;
}

std::int32_t radixval(std::string liczbasys, std::int32_t sys) {
  // Unsigned arithmetic gives the documented wrap-around without overflow.
  std::uint32_t liczba = 0;
  std::uint32_t potega = 1;
  for (std::size_t i = liczbasys.size(); i-- > 0;) {
    const std::size_t pozycja = wartosc_cyfry(liczbasys[i]);
    // A character outside the alphabet counts as the digit -1.
    const std::uint32_t cyfra = pozycja == std::string_view::npos
                                    ? std::numeric_limits<std::uint32_t>::max()
                                    : static_cast<std::uint32_t>(pozycja);
    liczba += cyfra * potega;
    potega *= static_cast<std::uint32_t>(sys);
  }
  return jako_int32(liczba);
}

std::string dec2sys(std::int32_t liczba, std::int32_t sys) {
  return zapis(liczba, sys);
}

std::string blad_zapisu(const std::string& liczbasys, std::int32_t sys) {
  if (!poprawny_system(sys)) return kZlySystem;
  if (liczbasys.empty()) return "liczba nie ma zadnej cyfry";
  constexpr std::uint64_t maks = std::numeric_limits<std::int32_t>::max();
  std::uint64_t wartosc = 0;
  bool za_duza = false;
  for (std::size_t i = 0; i < liczbasys.size(); ++i) {
    const std::size_t cyfra = wartosc_cyfry(liczbasys[i]);
    if (cyfra >= static_cast<std::size_t>(sys)) {
      return "znak nr " + std::to_string(i + 1) + " nie jest cyfra systemu " +
             std::to_string(sys);
    }
    // Once past the limit the value stays there, so it cannot overflow.
    if (!za_duza) {
      wartosc = wartosc * static_cast<std::uint64_t>(sys) + cyfra;
      za_duza = wartosc > maks;
    }
  }
  if (za_duza) return "liczba jest wieksza niz 2147483647";
  return {};
}
