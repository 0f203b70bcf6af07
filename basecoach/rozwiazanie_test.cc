#include "rozwiazanie.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace basecoach {
namespace {

// The working at its edges: a power of the base (one term that is not 0, no
// sum of it), remainders from 10 to 15 as their digits, bit groups filled
// with zeros on the left, 8 and 16 through the bits, carries in bases 2, 8
// and 16 (a letter's value beside it, a carry into a new column), a borrow
// across zeros.
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
           {{913, 0, 0, 2, 16}, {"0011 1001 0001 -> 3 9 1"}},
           {{45, 0, 0, 16, 2}, {"2 D -> 0010 1101"}},
           {{45, 0, 0, 2, 8}, {"101 101 -> 5 5"}},
           {{993, 0, 0, 8, 16},
            {"1741(8) -> 001 111 100 001 -> 0011 1110 0001 -> 3E1"}},
           {{993, 0, 0, 16, 8},
            {"3E1(16) -> 0011 1110 0001 -> 001 111 100 001 -> 1741"}},
           {{11, 7, '+', 2, 2},
            {"przeniesienia:", "  1 1 1 1", "    1 0 1 1", "+     1 1 1",
             "  ---------", "  1 0 0 1 0",
             "1 + 1 = 2 = 1*2 + 0: piszemy 0, przenosimy 1",
             "1 + 1 + 1 = 3 = 1*2 + 1: piszemy 1, przenosimy 1",
             "1 + 0 + 1 = 2 = 1*2 + 0: piszemy 0, przenosimy 1",
             "1 + 1 = 2 = 1*2 + 0: piszemy 0, przenosimy 1"}},
           {{1710, 303, '+', 8, 8},
            {"przeniesienia:", "    1 1", "  3 2 5 6", "+   4 5 7", "  -------",
             "  3 7 3 5", "6 + 7 = 13 = 1*8 + 5: piszemy 5, przenosimy 1",
             "1 + 5 + 5 = 11 = 1*8 + 3: piszemy 3, przenosimy 1"}},
           {{2797, 2455, '+', 16, 16},
            {"przeniesienia:", "  1 1 1", "    A E D", "+   9 9 7", "  -------",
             "  1 4 8 4",
             "D + 7 = 13 + 7 = 20 = 1*16 + 4: piszemy 4, przenosimy 1",
             "1 + E + 9 = 1 + 14 + 9 = 24 = 1*16 + 8: piszemy 8, przenosimy 1",
             "1 + A + 9 = 1 + 10 + 9 = 20 = 1*16 + 4: piszemy 4, przenosimy "
             "1"}},
           {{1710, 303, '-', 8, 8},
            {"pozyczki:", "  2 1 4", "  3 2 5 6", "-   4 5 7", "  -------",
             "  2 5 7 7",
             "pozyczamy 1 z kolumny obok: 8 + 6 - 7 = 7, piszemy 7",
             "pozyczamy 1 z kolumny obok: 8 + 4 - 5 = 7, piszemy 7",
             "pozyczamy 1 z kolumny obok: 8 + 1 - 4 = 5, piszemy 5"}},
           {{3073, 452, '-', 16, 16},
            {"pozyczki:", "  B F", "  C 0 1", "- 1 C 4", "  -----", "  A 3 D",
             "pozyczamy 1 z kolumny obok: 16 + 1 - 4 = 13, piszemy D"}}}) {
    EXPECT_EQ(rozwiazanie(p.zadanie), p.linie) << tresc(p.zadanie);
  }
}

}  // namespace
}  // namespace basecoach
