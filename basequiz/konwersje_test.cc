#include "konwersje.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

struct Odczyt {
  std::string liczbasys;
  std::int32_t sys;
  std::int32_t oczekiwana;
};

void SprawdzRadixval(std::initializer_list<Odczyt> tabela) {
  for (const auto& p : tabela) {
    EXPECT_EQ(radixval(p.liczbasys, p.sys), p.oczekiwana)
        << '"' << p.liczbasys << "\" in base " << p.sys;
  }
}

TEST(RadixvalTest, ValidDigits) {
  SprawdzRadixval({{"", 2, 0},
                   {"", 16, 0},
                   {"1001010", 2, 74},
                   {"177777", 8, 65535},
                   {"AFA1F", 16, 719391},
                   {"7FFFFFFF", 16, kMax}});
}

TEST(RadixvalTest, LowerCase) {
  SprawdzRadixval(
      {{"ff", 16, 255}, {"6b8e23", 16, 0x6B8E23}, {"aFa1f", 16, 719391}});
}

TEST(RadixvalTest, DigitAboveBaseCountsAtItsValue) {
  SprawdzRadixval({{"F", 2, 15}, {"FFFF", 2, 225}, {"9", 8, 9}});
}

TEST(RadixvalTest, BadCharacterCountsAsMinusOne) {
  SprawdzRadixval({{"G", 16, -1},
                   {"zz", 16, -17},
                   {"-", 10, -1},
                   {"\xff", 16, -1},
                   {"1\x80", 2, 1}});
}

TEST(RadixvalTest, WrapsModulo2To32) {
  SprawdzRadixval({{"FFFFFFFF", 16, -1},
                   {"1FFFFFFFF", 16, -1},
                   {"80000000", 16, kMin},
                   {std::string(32, '1'), 2, -1},
                   {"100000000", 16, 0}});
}

TEST(Dec2sysTest, ZeroNegativeAndBases) {
  EXPECT_EQ(dec2sys(0, 16), "0");
  EXPECT_EQ(dec2sys(-5, 2), "-101");
  EXPECT_EQ(dec2sys(kMin, 16), "-80000000");
  EXPECT_EQ(dec2sys(255, 2), "11111111");
  EXPECT_EQ(dec2sys(255, 8), "377");
  EXPECT_EQ(dec2sys(719392, 16), "AFA20");
  EXPECT_EQ(dec2sys(255, 0), "");
  EXPECT_EQ(dec2sys(255, 17), "");
}

TEST(Dec2sysTest, RoundTripThroughEveryBase) {
  for (std::int32_t sys = 2; sys <= 16; ++sys) {
    for (std::int32_t v :
         {0, 1, sys - 1, sys, sys * sys - 1, 12345, 719392, kMax - 1, kMax}) {
      EXPECT_EQ(radixval(dec2sys(v, sys), sys), v) << v << " in base " << sys;
    }
  }
}

TEST(BladZapisuTest, Accepted) {
  const std::pair<std::string, std::int32_t> tabela[] = {
      {"ff", 16},
      {"777", 8},
      {"0", 2},
      {"7FFFFFFF", 16},
      {std::string(31, '1'), 2},
      {std::string(40, '0') + "1", 2}};
  for (const auto& [liczbasys, sys] : tabela) {
    EXPECT_EQ(blad_zapisu(liczbasys, sys), "") << liczbasys << ' ' << sys;
  }
}

TEST(BladZapisuTest, Refused) {
  struct Przypadek {
    std::string liczbasys;
    std::int32_t sys;
    const char* blad;
  };
  for (const auto& p : std::initializer_list<Przypadek>{
           {"1", 1, "system liczbowy musi byc z zakresu od 2 do 16"},
           {"1", 17, "system liczbowy musi byc z zakresu od 2 do 16"},
           {"1", kMin, "system liczbowy musi byc z zakresu od 2 do 16"},
           {"", 10, "liczba nie ma zadnej cyfry"},
           {"102", 2, "znak nr 3 nie jest cyfra systemu 2"},
           {"g", 16, "znak nr 1 nie jest cyfra systemu 16"},
           {"-1", 10, "znak nr 1 nie jest cyfra systemu 10"},
           {"1\xe9", 16, "znak nr 2 nie jest cyfra systemu 16"},
           {"80000000", 16, "liczba jest wieksza niz 2147483647"},
           {std::string(32, '1'), 2, "liczba jest wieksza niz 2147483647"},
           {std::string(40, 'F'), 16, "liczba jest wieksza niz 2147483647"},
           {std::string(40, 'F') + "x", 16,
            "znak nr 41 nie jest cyfra systemu 16"}}) {
    EXPECT_EQ(blad_zapisu(p.liczbasys, p.sys), p.blad)
        << p.liczbasys << ' ' << p.sys;
  }
}

}  // namespace
