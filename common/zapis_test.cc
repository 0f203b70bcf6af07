#include "zapis.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct Przypadek {
  std::int32_t liczba;
  std::int32_t sys;
  const char* oczekiwany;
};

void SprawdzTabele(std::initializer_list<Przypadek> tabela) {
  for (const auto& p : tabela) {
    EXPECT_EQ(zapis(p.liczba, p.sys), p.oczekiwany)
        << p.liczba << " in base " << p.sys;
  }
}

constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

TEST(ZapisTest, Zero) {
  SprawdzTabele({{0, 2, "0"}, {0, 8, "0"}, {0, 16, "0"}});
}

TEST(ZapisTest, Positive) {
  SprawdzTabele({{1, 2, "1"},
                 {255, 2, "11111111"},
                 {255, 8, "377"},
                 {719392, 16, "AFA20"},
                 {100, 3, "10201"},
                 {15, 16, "F"},
                 {kMax, 16, "7FFFFFFF"},
                 {kMax, 2, "1111111111111111111111111111111"}});
}

TEST(ZapisTest, Negative) {
  SprawdzTabele({{-5, 2, "-101"},
                 {-255, 16, "-FF"},
                 {kMin, 16, "-80000000"},
                 {kMin, 8, "-20000000000"},
                 {kMin, 2, "-10000000000000000000000000000000"}});
}

TEST(OdczytTest, RoundTripWithZapis) {
  for (std::int32_t sys = 2; sys <= 16; ++sys) {
    for (std::int32_t v : {kMin, kMin + 1, -1, 0, 1, sys, 719392, kMax}) {
      const std::string cyfry = zapis(v, sys);
      EXPECT_EQ(odczyt(cyfry, sys, true).wartosc, v) << cyfry << ' ' << sys;
      // Without a sign allowed, only what zapis writes for v >= 0 is read.
      const Odczyt bez_znaku = odczyt(cyfry, sys);
      EXPECT_EQ(bez_znaku.wartosc, v < 0 ? 0 : v) << cyfry << ' ' << sys;
      EXPECT_EQ(bez_znaku.blad == BladOdczytu::zla_cyfra, v < 0);
    }
  }
}

TEST(ZapisTest, BaseOutsideRangeGivesEmpty) {
  SprawdzTabele({{10, 0, ""},
                 {10, 1, ""},
                 {10, 17, ""},
                 {10, -2, ""},
                 {kMin, kMin, ""},
                 {kMax, kMax, ""}});
}

}  // namespace
