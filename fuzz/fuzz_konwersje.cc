// The exercise set's conversions: no undefined behaviour for any text, value
// or base, and radixval(dec2sys(v, b), b) == v for v >= 0 and b in 2..16.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "konwersje.h"

using basequiz::dec2sys;
using basequiz::radixval;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane,
                                      std::size_t rozmiar) {
  if (rozmiar < 8) return 0;
  std::int32_t liczba;
  std::int32_t sys;
  std::memcpy(&liczba, dane, 4);
  std::memcpy(&sys, dane + 4, 4);
  const std::string tekst(reinterpret_cast<const char*>(dane + 8), rozmiar - 8);

  radixval(tekst, sys);
  const std::string zapis = dec2sys(liczba, sys);

  const std::int32_t podstawa =
      2 + static_cast<std::int32_t>(static_cast<std::uint32_t>(sys) % 15);
  const std::string cyfry = dec2sys(liczba, podstawa);
  if (liczba >= 0) {
    if (radixval(cyfry, podstawa) != liczba) std::abort();
  } else if (cyfry.empty() || cyfry[0] != '-' ||
             (liczba != INT32_MIN &&
              cyfry.substr(1) != dec2sys(-liczba, podstawa))) {
    std::abort();
  }
  return 0;
}
