#include "kod.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>

namespace basecoach {
namespace {

bool czyta(const std::string& kod, const Wynik_testu& w) {
  const auto r = odkoduj(kod);
  return r && r->numer == w.numer && r->poziom == w.poziom &&
         r->zestaw == w.zestaw && r->dobre == w.dobre;
}

// Over 10,000 codes: each reads back as it was written, in lower case and
// without its dashes too; none is taken with one character changed or two
// different neighbours swapped.
TEST(KodTest, ReadsBackAndCatchesEveryTypo) {
  std::mt19937 g(2026);
  for (int n = 0; n < 10000; ++n) {
    const Wynik_testu w{
        1 + static_cast<int>(g() % 99), 1 + static_cast<int>(g() % 4),
        1 + static_cast<int>(g() % 9999), static_cast<unsigned>(g() % 1024)};
    const std::string kod = zakoduj(w);
    ASSERT_EQ(kod.size(), 14u);
    std::string male = kod, bez = kod;
    std::transform(kod.begin(), kod.end(), male.begin(),
                   [](char c) { return std::tolower(c); });
    bez.erase(std::remove(bez.begin(), bez.end(), '-'), bez.end());
    ASSERT_TRUE(czyta(kod, w) && czyta(male, w) && czyta(bez, w)) << kod;
    for (std::size_t i = 0; i < kod.size(); ++i) {
      for (const char znak : std::string("0123456789ABCDEFGHJKMNPQRSTVWXYZ-")) {
        std::string zmieniony = kod;
        zmieniony[i] = znak;
        EXPECT_TRUE(znak == kod[i] || !odkoduj(zmieniony)) << zmieniony;
      }
      std::string zamiana = kod;
      std::swap(zamiana[i], zamiana[std::min(i + 1, kod.size() - 1)]);
      EXPECT_TRUE(zamiana == kod || !odkoduj(zamiana)) << zamiana;
    }
  }
  // The letters a learner may read for digits.
  std::string kod = zakoduj({12, 2, 42, 511});
  std::replace(kod.begin(), kod.end(), '0', 'O');
  std::replace(kod.begin(), kod.end(), '1', 'l');
  EXPECT_TRUE(czyta(kod, {12, 2, 42, 511})) << kod;
}

}  // namespace
}  // namespace basecoach
