// The checked readers: never a crash, and a value they accept without a
// message is exactly the digits they were given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "kanoniczne.h"
#include "konwertery.h"
#include "zapis.h"

namespace {

void sprawdz(std::int32_t (*konwerter)(std::string), int sys,
             const std::string& liczba) {
  std::ostringstream komunikat;
  auto* dawny = std::cout.rdbuf(komunikat.rdbuf());
  const std::int32_t wartosc = konwerter(liczba);
  std::cout.rdbuf(dawny);
  if (wartosc < 0) std::abort();
  if (!komunikat.str().empty()) {
    if (wartosc != 0) std::abort();
    return;
  }
  if (!liczba.empty() && zapis(wartosc, sys) != kanoniczne(liczba))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane,
                                      std::size_t rozmiar) {
  const std::string liczba(reinterpret_cast<const char*>(dane), rozmiar);
  sprawdz(bin2dec, 2, liczba);
  sprawdz(oct2dec, 8, liczba);
  sprawdz(hex2dec, 16, liczba);
  return 0;
}
