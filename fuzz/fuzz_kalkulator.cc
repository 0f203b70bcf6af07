// The calculator's input check: whatever it accepts converts to the value the
// digits mean and prints back as the same digits.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

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
  std::string oczekiwane;
  for (char znak : liczbasys) {
    if (oczekiwane.empty() && znak == '0') continue;
    oczekiwane +=
        static_cast<char>(std::toupper(static_cast<unsigned char>(znak)));
  }
  if (oczekiwane.empty()) oczekiwane = "0";
  if (dec2sys(dec, sys) != oczekiwane) std::abort();
  return 0;
}
