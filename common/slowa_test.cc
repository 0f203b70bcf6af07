#include "slowa.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

constexpr const char* kKoniec = "zabraklo odpowiedzi: wpisywanie zakonczono";
constexpr const char* kZaDluga =
    "...\" to za dluga liczba: moze miec najwyzej 4096 znakow";
const std::string kZnacznik = "\xEF\xBB\xBF";

std::string razy(int ile, const std::string& tekst) {
  std::string wynik;
  while (ile-- > 0) wynik += tekst;
  return wynik;
}

TEST(CzytajSlowoTest, LimitCountsCharactersNotBytes) {
  const std::string za_dlugie = std::string(20, '?') + kZaDluga;
  for (const auto& [wejscie, blad] :
       std::initializer_list<std::pair<std::string, std::string>>{
           {razy(4096, "\xC5\xBC"), ""},
           {razy(1024, "\xF0\x9F\x98\x80"), ""},
           {razy(4097, "\xC5\xBC"), '"' + za_dlugie},
           {razy(20000, "\x80"), '"' + za_dlugie}}) {
    std::istringstream we(wejscie);
    const Wczytane<std::string> wynik = czytaj_slowo(we, true);
    EXPECT_EQ(opis(wynik.odmowa), blad) << wejscie.size() << " bytes";
    if (blad.empty()) {
      EXPECT_EQ(wynik.wartosc, wejscie);
    }
    EXPECT_LE(wynik.wartosc.size(), 4 * kMaksDlugosc);
  }
}

TEST(CzytajLinieTest, AWholeLineWithoutTheBlanksAround) {
  struct Przypadek {
    std::string wejscie, linia, blad;
    int dalej;  // the next byte left unread
  };
  for (const auto& p : std::initializer_list<Przypadek>{
           {" 2D(16) \r\nx", "2D(16)", "", 'x'},
           {"\n7\n", "", "", '7'},
           {"  \t", "", kKoniec, EOF},
           {"1 000", "1 000", "", EOF},
           {kZnacznik + "12\n", "12", "", EOF},
           {kZnacznik + kZnacznik + "1",
            "\xEF\xBB\xBF"
            "1",
            "", EOF},
           // The limit counts the answer alone: not a byte-order mark, not the
           // blanks around it, not a CR before the line end.
           {kZnacznik + std::string(4096, '1') + "\n", std::string(4096, '1'),
            "", EOF},
           {" \t" + std::string(4096, '1') + std::string(5000, ' ') + "\r\n",
            std::string(4096, '1'), "", EOF},
           {"1" + std::string(4094, ' ') + "2",
            "1" + std::string(4094, ' ') + "2", "", EOF},
           {"1" + std::string(4095, ' ') + "2\n", "1" + std::string(4095, ' '),
            "\"1" + std::string(19, ' ') + kZaDluga, '2'},
           {"", "", kKoniec, EOF},
           // Refused at the character past the limit; the rest is unread.
           {std::string(4097, '1') + "\n7", std::string(4096, '1'),
            '"' + std::string(20, '1') + kZaDluga, '1'}}) {
    std::istringstream we(p.wejscie);
    const Wczytane<std::string> wynik = czytaj_linie(we, true);
    EXPECT_EQ(wynik.wartosc, p.linia) << p.wejscie;
    EXPECT_EQ(opis(wynik.odmowa), p.blad) << p.wejscie;
    EXPECT_EQ(we.peek(), p.dalej) << p.wejscie;
  }
}

}  // namespace
