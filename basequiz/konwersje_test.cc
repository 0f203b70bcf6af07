#include "konwersje.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace basequiz {
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

}  // namespace
}  // namespace basequiz
