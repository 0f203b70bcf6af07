#include "konwertery.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace radixval {
namespace {

using Konwerter = Wynik (*)(std::string);

struct Przypadek {
  Konwerter konwerter;
  std::string liczba;
  std::int32_t wartosc;
  const char* komunikat;  // "" for none
};

constexpr const char* kBin = " Podano zla liczbe binarna: ";
constexpr const char* kOct = " Podano zla liczbe osemkowa: ";
constexpr const char* kHex = " Podano zla liczbe: ";

void SprawdzTabele(std::initializer_list<Przypadek> tabela) {
  for (const auto& p : tabela) {
    const Wynik wynik = p.konwerter(p.liczba);
    EXPECT_EQ(wynik.wartosc, p.wartosc) << '"' << p.liczba << '"';
    EXPECT_EQ(wynik.komunikat, p.komunikat) << '"' << p.liczba << '"';
  }
}

TEST(KonwerteryTest, ValidDigits) {
  SprawdzTabele({{bin2dec, "", 0, ""},
                 {bin2dec, "1010", 10, ""},
                 {oct2dec, "777", 511, ""},
                 {hex2dec, "ff", 255, ""},
                 {hex2dec, "FF", 255, ""},
                 {hex2dec, "aB09", 0xAB09, ""},
                 {bin2dec, std::string(40, '0') + "1", 1, ""},
                 {hex2dec, std::string(100, '0'), 0, ""}});
}

TEST(KonwerteryTest, BadDigitGivesMessageAndZero) {
  SprawdzTabele({{bin2dec, "2", 0, kBin},
                 {bin2dec, "12", 0, kBin},
                 {bin2dec, "102", 0, kBin},
                 {oct2dec, "8", 0, kOct},
                 {oct2dec, "-7", 0, kOct},
                 {hex2dec, "g", 0, kHex},
                 {hex2dec, "+1", 0, kHex},
                 {hex2dec, "\xc4\x85", 0, kHex},
                 {bin2dec, "1\xff", 0, kBin},
                 {oct2dec, "7 7", 0, kOct}});
}

TEST(KonwerteryTest, LargestValueAndBeyond) {
  SprawdzTabele({{bin2dec, std::string(31, '1'), 2147483647, ""},
                 {bin2dec, "1" + std::string(31, '0'), 0, kBin},
                 {bin2dec, std::string(32, '1'), 0, kBin},
                 {oct2dec, "17777777777", 2147483647, ""},
                 {oct2dec, "20000000000", 0, kOct},
                 {oct2dec, "100000000000", 0, kOct},
                 {hex2dec, "7FFFFFFF", 2147483647, ""},
                 {hex2dec, "80000000", 0, kHex},
                 {hex2dec, "1FFFFFFFF", 0, kHex},
                 {hex2dec, std::string(200, 'F'), 0, kHex}});
}

TEST(KonwerteryTest, BadDigitPastTheRangeIsStillChecked) {
  // Message once, whichever fault the scan meets.
  SprawdzTabele({{bin2dec, "2" + std::string(40, '1'), 0, kBin},
                 {hex2dec, "x" + std::string(9, 'F'), 0, kHex}});
}

}  // namespace
}  // namespace radixval
