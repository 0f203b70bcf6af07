#include "ocena.h"

#include <gtest/gtest.h>

#include <string>

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
    const Sprawdzenie wynik = sprawdz(p.odpowiedz, p.sys, p.wynik);
    EXPECT_EQ(wynik.ocena, p.ocena) << p.odpowiedz;
    EXPECT_EQ(wynik.cyfra, p.cyfra) << p.odpowiedz;
  }
}

}  // namespace
}  // namespace basecoach
