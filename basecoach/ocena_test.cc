#include "ocena.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace basecoach {
namespace {

TEST(SprawdzTest, Table) {
  struct Przypadek {
    std::string odpowiedz;
    std::int32_t sys, wynik;
    Ocena ocena;
    char cyfra;
  };
  constexpr Ocena dobrze = Ocena::dobrze, zle = Ocena::zle,
                  obca = Ocena::obca_cyfra, nie = Ocena::nie_liczy_sie;
  for (const Przypadek& p : std::initializer_list<Przypadek>{
           {"101101", 2, 45, dobrze, 0},
           {"00101101", 2, 45, dobrze, 0},
           {"101101(2)", 2, 45, dobrze, 0},
           {"2d", 16, 45, dobrze, 0},
           {"2D(16)", 16, 45, dobrze, 0},
           {"FFFF", 16, 65535, dobrze, 0},
           {"101100", 2, 45, zle, 0},
           {"99999999999", 10, 45, zle, 0},
           {std::string(5000, '1'), 2, 45, zle, 0},
           // 2^32 + 45 must not wrap round to the right value.
           {"10000002D", 16, 45, zle, 0},
           {"1021", 2, 45, obca, '2'},
           {"2(2)", 2, 45, obca, '2'},
           {"4a", 10, 45, obca, 'A'},
           {"1" + std::string(40, '0') + "f", 8, 45, obca, 'F'},
           {"", 2, 45, nie, 0},
           {"1 000", 2, 45, nie, 0},
           {"0x1F", 16, 31, nie, 0},
           {"2,5", 10, 45, nie, 0},
           {"+45", 10, 45, nie, 0},
           {"-5", 10, 45, nie, 0},
           {"45 (10)", 10, 45, nie, 0},
           {"2D(8)", 16, 45, nie, 0},
           {"(16)", 16, 45, nie, 0},
           {"G", 16, 45, nie, 0},
           {"\xC5\xBC", 16, 45, nie, 0},
           {"101101\r", 2, 45, nie, 0}}) {
    const Zadanie zadanie{p.wynik, 0, 0, p.sys == 10 ? 2 : 10, p.sys};
    const Sprawdzenie wynik = sprawdz(p.odpowiedz, zadanie);
    EXPECT_EQ(wynik.ocena, p.ocena) << p.odpowiedz;
    EXPECT_EQ(wynik.cyfra, p.cyfra) << p.odpowiedz;
  }
}

// A mistake is named only where the answer is exactly its answer: each
// pattern beside a near miss that names nothing.
TEST(SprawdzTest, NamedMistakes) {
  const std::string reszty =
      "Reszty sa dobre, ale czytasz je od gory: czytaj od dolu.";
  const Zadanie suma{1710, 303, '+', 8, 8}, roznica{1710, 303, '-', 8, 8},
      osiem{8, 0, 0, 10, 2}, z_8_na_16{993, 0, 0, 8, 16},
      bity{913, 0, 0, 2, 16}, na_16{3152, 0, 0, 8, 16};
  for (const auto& [zadanie, odpowiedz, pomylka] :
       std::initializer_list<std::tuple<Zadanie, std::string, std::string>>{
           {suma, "3625",
            "Brakuje przeniesienia: gdy suma w kolumnie dojdzie do 8, "
            "przenies 1 do kolumny obok."},
           {suma, "3626", ""},
           {roznica, "3607", "Po pozyczce zmniejsz o 1 cyfre w kolumnie obok."},
           {roznica, "3201",
            "Gdy cyfra u gory jest mniejsza, pozycz 1 z kolumny obok."},
           {roznica, "3606", ""},
           {osiem, "0001", reszty},
           {{36, 0, 0, 10, 2}, "001001", reszty},
           {osiem, "001", ""},
           {z_8_na_16, "1e3", "Cyfry sa w odwrotnej kolejnosci."},
           {{36, 0, 0, 10, 2},
            "00100",
            "Brakuje pierwszej cyfry: ostatnie dzielenie (1 : 2 = 0, reszta 1) "
            "tez daje cyfre."},
           {{36, 0, 0, 10, 2}, "01100", ""},
           {{240, 0, 0, 10, 2},
            "1111000",
            "Brakuje ostatniej cyfry: pierwsze dzielenie (240 : 2 = 120, "
            "reszta 0) tez daje cyfre."},
           {{240, 0, 0, 10, 2}, "1111001", ""},
           {z_8_na_16, "E1", "Brakuje pierwszej cyfry."},
           {bity, "E41", "Bity grupuj od prawej, a z lewej dopisz zera."},
           {bity, "e44", "Bity grupuj od prawej, a z lewej dopisz zera."},
           {bity, "E43", ""},
           {z_8_na_16, "1741",
            "To jest liczba z zadania: zapisz ja w systemie o podstawie 16."},
           {z_8_na_16, "1742", ""},
           {na_16, "3152",
            "To jest wartosc w systemie dziesietnym: zapisz ja jeszcze w "
            "systemie o podstawie 16."},
           {na_16, "3153", ""}}) {
    const Sprawdzenie wynik = sprawdz(odpowiedz, zadanie);
    EXPECT_EQ(wynik.ocena, Ocena::zle) << tresc(zadanie) << " " << odpowiedz;
    EXPECT_EQ(wynik.pomylka, pomylka) << tresc(zadanie) << " " << odpowiedz;
  }
}

}  // namespace
}  // namespace basecoach
