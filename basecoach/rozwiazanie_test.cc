#include "rozwiazanie.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace basecoach {
namespace {

// The working at its edges: a power of the base (one term that is not 0,
// no sum of it), remainders from 10 to 15 as their digits, groups of bits,
// and a sum through base 10.
TEST(RozwiazanieTest, Table) {
  struct Przypadek {
    Zadanie zadanie;
    std::vector<std::string> linie;
  };
  for (const Przypadek& p : std::initializer_list<Przypadek>{
           {{8, 0, 0, 2, 10}, {"1000(2) = 1*8 + 0*4 + 0*2 + 0*1 = 8"}},
           {{5, 0, 0, 2, 10}, {"101(2) = 1*4 + 0*2 + 1*1 = 4 + 1 = 5"}},
           {{16, 0, 0, 10, 16},
            {"16 : 16 = 1, reszta 0", "1 : 16 = 0, reszta 1",
             "Reszty od ostatniej do pierwszej: 10"}},
           {{255, 0, 0, 10, 16},
            {"255 : 16 = 15, reszta 15 (F)", "15 : 16 = 0, reszta 15 (F)",
             "Reszty od ostatniej do pierwszej: FF"}},
           {{154, 0, 0, 13, 10}, {"BB(13) = 11*13 + 11*1 = 143 + 11 = 154"}},
           {{45, 0, 0, 2, 16}, {"10 1101 -> 2 D"}},
           {{45, 0, 0, 8, 2}, {"5 5 -> 101 101"}},
           {{3, 4, '+', 2, 2},
            {"11(2) = 1*2 + 1*1 = 2 + 1 = 3", "100(2) = 1*4 + 0*2 + 0*1 = 4",
             "3 + 4 = 7", "7 : 2 = 3, reszta 1", "3 : 2 = 1, reszta 1",
             "1 : 2 = 0, reszta 1",
             "Reszty od ostatniej do pierwszej: 111"}}}) {
    EXPECT_EQ(rozwiazanie(p.zadanie), p.linie) << tresc(p.zadanie);
  }
}

}  // namespace
}  // namespace basecoach
