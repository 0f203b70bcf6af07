#include "wczytaj.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

namespace {

constexpr const char* kKoniec = "dane wejsciowe sie skonczyly";
constexpr const char* kZakres =
    "podana liczba jest spoza zakresu od -2147483648 do 2147483647";
const std::string kZnacznik = "\xEF\xBB\xBF";

std::string razy(int ile, const std::string& tekst) {
  std::string wynik;
  while (ile-- > 0) wynik += tekst;
  return wynik;
}

TEST(CzytajLiczbeTest, AWholeWordOrNothing) {
  struct Przypadek {
    std::string wejscie;
    std::int32_t liczba;
    std::string blad;
  };
  for (const auto& p : std::initializer_list<Przypadek>{
           {"7", 7, ""},
           {" \t\v\f\r\n-7\nx", -7, ""},
           {"+007 x", 7, ""},
           {"-2147483648", std::numeric_limits<std::int32_t>::min(), ""},
           {kZnacznik + "12", 12, ""},
           {kZnacznik + " \n12", 12, ""},
           {std::string(4096, '0'), 0, ""},
           {"", 0, kKoniec},
           {kZnacznik, 0, kKoniec},
           {"12a", 0, "podano \"12a\""},
           {"2,5", 0, "podano \"2,5\""},
           {"16-1", 0, "podano \"16-1\""},
           {"-", 0, "podano \"-\""},
           {"99999999999x", 0, "podano \"99999999999x\""},
           {"2147483648", 0, kZakres},
           {"-2147483649", 0, kZakres},
           {"\xEF\xBB"
            "12",
            0, "podano \"??12\""},
           {kZnacznik + kZnacznik + "1", 0, "podano \"???1\""},
           {"\x1b]2;X\x07\xc5\xbc", 0, "podano \"?]2;X???\""},
           {"abcdefghijklmnopqrst", 0, "podano \"abcdefghijklmnopqrst\""},
           {"abcdefghijklmnopqrstu", 0, "podano \"abcdefghijklmnopqrst...\""},
           {std::string(4097, '0'), 0,
            "podana liczba ma wiecej niz 4096 znakow"},
           {std::string(4097, 'a'), 0, "podano \"aaaaaaaaaaaaaaaaaaaa...\""}}) {
    std::istringstream we(p.wejscie);
    const Wczytane<std::int32_t> wynik = czytaj_liczbe(we, true);
    EXPECT_EQ(wynik.wartosc, p.liczba) << p.wejscie;
    EXPECT_EQ(wynik.blad, p.blad) << p.wejscie;
  }
}

TEST(CzytajLiczbeTest, MarkOnlyAtTheVeryStart) {
  std::istringstream we("1 " + kZnacznik + "2");
  EXPECT_EQ(czytaj_liczbe(we, true).wartosc, 1);
  EXPECT_EQ(czytaj_liczbe(we, false).blad, "podano \"???2\"");
}

TEST(CzytajSlowoTest, LimitCountsCharactersNotBytes) {
  const std::string za_dlugie = "podane slowo ma wiecej niz 4096 znakow";
  for (const auto& [wejscie, blad] :
       std::initializer_list<std::pair<std::string, std::string>>{
           {razy(4096, "\xC5\xBC"), ""},
           {razy(1024, "\xF0\x9F\x98\x80"), ""},
           {razy(4097, "\xC5\xBC"), za_dlugie},
           {razy(20000, "\x80"), za_dlugie}}) {
    std::istringstream we(wejscie);
    const Wczytane<std::string> wynik = czytaj_slowo(we, true);
    EXPECT_EQ(wynik.blad, blad) << wejscie.size() << " bytes";
    if (blad.empty()) {
      EXPECT_EQ(wynik.wartosc, wejscie);
    }
    EXPECT_LE(wynik.wartosc.size(), 4 * kMaksDlugosc);
  }
}

}  // namespace
