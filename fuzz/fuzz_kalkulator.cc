// The calculator's input check: whatever it accepts converts to the value the
// digits mean and prints back as the same digits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "kanoniczne.h"
#include "konwersje.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane,
                                      std::size_t rozmiar) {
  if (rozmiar < 1) return 0;
  // The first byte picks the base, mostly from 2..16 but some outside it.
  const std::int32_t sys = static_cast<std::int8_t>(dane[0]) % 20;
  const std::string liczbasys(reinterpret_cast<const char*>(dane + 1),
                              rozmiar - 1);
  if (!blad_zapisu(liczbasys, sys).empty()) return 0;

  if (sys < 2 || sys > 16 || liczbasys.empty()) std::abort();
  const std::int32_t dec = radixval(liczbasys, sys);
  if (dec < 0) std::abort();
  if (dec2sys(dec, sys) != kanoniczne(liczbasys)) std::abort();
  return 0;
}
