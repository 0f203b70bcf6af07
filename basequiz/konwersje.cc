#include "konwersje.h"

#include <limits>

#include "zapis.h"

namespace basequiz {

std::int32_t jako_int32(std::uint32_t w) {
  constexpr std::uint32_t maks = std::numeric_limits<std::int32_t>::max();
  if (w <= maks) return static_cast<std::int32_t>(w);
  // w - 2^32, computed without leaving the signed range.
  return -static_cast<std::int32_t>(~w) - 1;
}

std::int32_t radixval(std::string liczbasys, std::int32_t sys) {
  // Unsigned arithmetic gives the documented wrap-around without overflow;
  // a character outside the alphabet counts as the digit -1.
  std::uint32_t liczba = 0;
  std::uint32_t potega = 1;
  for (std::size_t i = liczbasys.size(); i-- > 0;) {
    liczba += static_cast<std::uint32_t>(wartosc_cyfry(liczbasys[i])) * potega;
    potega *= static_cast<std::uint32_t>(sys);
  }
  return jako_int32(liczba);
}

std::string dec2sys(std::int32_t liczba, std::int32_t sys) {
  return zapis(liczba, sys);
}

}  // namespace basequiz
