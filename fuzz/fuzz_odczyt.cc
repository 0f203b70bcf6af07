// The one parser beside the digit builder, and the reader built on it: no
// undefined behaviour for any bytes, odczyt(zapis(v, b), b) == v, whatever
// odczyt accepts zapis writes back the same, and words stay bounded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "kanoniczne.h"
#include "wczytaj.h"
#include "zapis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane,
                                      std::size_t rozmiar) {
  if (rozmiar < 1) return 0;
  // The first byte picks the base, some outside 2..16, and whether a sign
  // may come.
  const std::int32_t sys = (dane[0] & 0x7F) % 20;
  const bool ze_znakiem = (dane[0] & 0x80) != 0;
  const std::string tekst(reinterpret_cast<const char*>(dane + 1), rozmiar - 1);

  const Odczyt odczytana = odczyt(tekst, sys, ze_znakiem);
  if (odczytana.blad == BladOdczytu::brak &&
      zapis(odczytana.wartosc, sys) != kanoniczne(tekst)) {
    std::abort();
  }
  // The character it names must not be a digit of the base.
  if (odczytana.blad == BladOdczytu::zla_cyfra &&
      (odczytana.pozycja >= tekst.size() ||
       (wartosc_cyfry(tekst[odczytana.pozycja]) >= 0 &&
        wartosc_cyfry(tekst[odczytana.pozycja]) < sys))) {
    std::abort();
  }

  if (rozmiar >= 5 && sys >= 2 && sys <= 16) {
    std::int32_t liczba;
    std::memcpy(&liczba, dane + 1, 4);
    if (odczyt(zapis(liczba, sys), sys, true).wartosc != liczba) std::abort();
  }

  // The same bytes as input: every read takes a word or ends at the end.
  std::istringstream we(tekst);
  for (bool pierwszy = true; we.peek() != EOF; pierwszy = false) {
    const Wczytane<std::string> slowo = czytaj_slowo(we, pierwszy);
    if (slowo.wartosc.size() > 4 * kMaksDlugosc) std::abort();
    if (we.peek() != EOF) czytaj_liczbe(we, false);
    if (we.peek() != EOF) czytaj_w_systemie(we, false);
  }
  return 0;
}
