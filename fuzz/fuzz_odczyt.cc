// The one parser beside the digit builder, and the tokenizer and checks built
// on it: no undefined behaviour for any bytes, odczyt(zapis(v, b), b) == v,
// whatever odczyt accepts zapis writes back the same, and words and lines
// stay bounded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "kanoniczne.h"
#include "odmowa.h"
#include "slowa.h"
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

  // The same bytes as input: every read takes a word or a line, or ends at
  // the end, and every refusal can be worded.
  std::istringstream we(tekst);
  for (bool pierwszy = true; we.peek() != EOF; pierwszy = false) {
    const Wczytane<std::string> slowo = czytaj_slowo(we, pierwszy);
    const Wczytane<std::string> linia = czytaj_linie(we, false);
    if (slowo.wartosc.size() > 4 * kMaksDlugosc ||
        linia.wartosc.size() > 8 * kMaksDlugosc) {
      std::abort();
    }
    opis(dziesietna(slowo).odmowa);
    opis(w_zakresie(linia, "poziom", 1, 3).odmowa);
    opis(w_systemie(slowo, czytaj_slowo(we, false)).odmowa);
  }
  return 0;
}
