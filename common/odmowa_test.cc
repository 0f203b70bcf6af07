#include "odmowa.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

#include "slowa.h"

namespace {

constexpr const char* kKoniec = "zabraklo odpowiedzi: wpisywanie zakonczono";
constexpr const char* kCalkowita = "liczba calkowita";
constexpr const char* kZaDuza = " to za duza liczba: najwieksza to 2147483647";
constexpr const char* kZaDluga =
    "...\" to za dluga liczba: moze miec najwyzej 4096 znakow";
constexpr const char* kPodstawa =
    "podstawa systemu to liczba od 2 do 16, a podano ";
const std::string kZnacznik = "\xEF\xBB\xBF";

TEST(LiczbaTest, AWholeWordOrNothing) {
  struct Przypadek {
    std::string wejscie;
    std::int32_t liczba;
    std::string blad;
  };
  const std::string nie_jest = " to nie jest liczba calkowita";
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
           {"12a", 0, "\"12a\"" + nie_jest},
           {"2,5", 0, "\"2,5\"" + nie_jest},
           {"16-1", 0, "\"16-1\"" + nie_jest},
           {"-", 0, "\"-\"" + nie_jest},
           {"99999999999x", 0, "\"99999999999x\"" + nie_jest},
           {"2147483648", 0, "\"2147483648\"" + std::string(kZaDuza)},
           {"-2147483649", 0,
            "\"-2147483649\" to za mala liczba: najmniejsza to -2147483648"},
           {"\xEF\xBB"
            "12",
            0, "\"?12\"" + nie_jest},
           {kZnacznik + kZnacznik + "1", 0, "\"?1\"" + nie_jest},
           {"\x1b]2;X\x07\xc5\xbc", 0, "\"?]2;X??\"" + nie_jest},
           {"abcdefghijklmnopqrst", 0, "\"abcdefghijklmnopqrst\"" + nie_jest},
           {"abcdefghijklmnopqrstu", 0,
            "\"abcdefghijklmnopqrst...\"" + nie_jest},
           // Cut at 20 characters, as the limit counts them: never inside one.
           {"żżżżżżżżżżżżżżżżżżżżżżżżżżżżżż", 0,
            '"' + std::string(20, '?') + "...\"" + nie_jest},
           {std::string(4097, '0'), 0, "\"" + std::string(20, '0') + kZaDluga},
           {std::string(4097, 'a'), 0,
            "\"aaaaaaaaaaaaaaaaaaaa...\"" + nie_jest}}) {
    std::istringstream we(p.wejscie);
    const Wczytane<std::int32_t> wynik =
        dziesietna(czytaj_slowo(we, true), kCalkowita);
    EXPECT_EQ(wynik.wartosc, p.liczba) << p.wejscie;
    EXPECT_EQ(opis(wynik.odmowa), p.blad) << p.wejscie;
    // Only the end of input is past asking again.
    EXPECT_EQ(wynik.odmowa.ostateczna(), p.blad == kKoniec) << p.wejscie;
  }
}

TEST(LiczbaTest, MarkOnlyAtTheVeryStart) {
  std::istringstream we("1 " + kZnacznik + "2");
  EXPECT_EQ(dziesietna(czytaj_slowo(we, true)).wartosc, 1);
  EXPECT_EQ(opis(dziesietna(czytaj_slowo(we, false)).odmowa),
            "\"?2\" to nie jest liczba dziesietna: wpisz same cyfry 0-9, np. "
            "255");
}

TEST(WSystemieTest, Accepted) {
  for (const auto& [wejscie, wartosc] :
       std::initializer_list<std::pair<std::string, std::int32_t>>{
           {"ff 16", 255},
           {"777\n8", 511},
           {"0 2", 0},
           {"7FFFFFFF 16", 2147483647},
           {std::string(31, '1') + " +2", 2147483647},
           {std::string(40, '0') + "1 2", 1}}) {
    std::istringstream we(wejscie);
    const Wczytane<std::string> cyfry = czytaj_slowo(we, true);
    const Wczytane<std::int32_t> wynik =
        w_systemie(cyfry, czytaj_slowo(we, false));
    EXPECT_EQ(opis(wynik.odmowa), "") << wejscie;
    EXPECT_EQ(wynik.wartosc, wartosc) << wejscie;
  }
}

TEST(WSystemieTest, RefusedTheBaseFirstThenADigitThenTheSize) {
  for (const auto& [wejscie, blad] :
       std::initializer_list<std::pair<std::string, std::string>>{
           {"1 1", kPodstawa + std::string("\"1\"")},
           {"1 17", kPodstawa + std::string("\"17\"")},
           {"102 16x", kPodstawa + std::string("\"16x\"")},
           {"1 -2147483648", kPodstawa + std::string("\"-2147483648\"")},
           {"1 99999999999", kPodstawa + std::string("\"99999999999\"")},
           // Too long, though its first 4096 characters are 16.
           {"1 " + std::string(4094, '0') + "160",
            std::string(kPodstawa) + '"' + std::string(20, '0') + "...\""},
           {"0b101 2",
            "\"0b101\": znak \"b\" nie jest cyfra systemu o podstawie 2 "
            "(cyfry: 0-1)"},
           {"g 16",
            "\"g\": znak \"g\" nie jest cyfra systemu o podstawie 16 (cyfry: "
            "0-F)"},
           {"-1 10",
            "\"-1\": znak \"-\" nie jest cyfra systemu o podstawie 10 (cyfry: "
            "0-9)"},
           {"1\xc5\xbc 12",
            "\"1?\": znak \"?\" nie jest cyfra systemu o podstawie 12 (cyfry: "
            "0-B)"},
           {"80000000 16", "\"80000000\"" + std::string(kZaDuza)},
           {std::string(32, '1') + " 2",
            "\"11111111111111111111...\"" + std::string(kZaDuza)},
           {std::string(40, 'F') + "x 16",
            "\"FFFFFFFFFFFFFFFFFFFF...\": znak \"x\" nie jest cyfra systemu o "
            "podstawie 16 (cyfry: 0-F)"},
           {"ff", kKoniec}}) {
    std::istringstream we(wejscie);
    const Wczytane<std::string> cyfry = czytaj_slowo(we, true);
    EXPECT_EQ(opis(w_systemie(cyfry, czytaj_slowo(we, false)).odmowa), blad)
        << wejscie;
  }
}

TEST(WZakresieTest, ANumberInRangeOrTheRangeSaid) {
  const std::string poziom = "poziom to liczba od 1 do 3, a podano ";
  for (const auto& [wejscie, blad] :
       std::initializer_list<std::pair<std::string, std::string>>{
           {" 3 \n", ""},
           {"01\n", ""},
           {"4\n", poziom + "\"4\""},
           {"0\n", poziom + "\"0\""},
           {"1 2\n", poziom + "\"1 2\""},
           {"\n", poziom + "\"\""},
           {"99999999999\n", poziom + "\"99999999999\""},
           {"", kKoniec}}) {
    std::istringstream we(wejscie);
    EXPECT_EQ(opis(w_zakresie(czytaj_linie(we, true), "poziom", 1, 3).odmowa),
              blad)
        << wejscie;
  }
}

}  // namespace
