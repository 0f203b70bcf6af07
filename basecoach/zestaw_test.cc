#include "zestaw.h"

#include <gtest/gtest.h>

#include <set>

namespace basecoach {
namespace {

// Every set of every level: ten tasks within the level's bases and values,
// no number or result in two of them, three sums or differences on level 3.
TEST(ZestawTest, EverySetKeepsTheLevelsRules) {
  const std::set<std::int32_t> podstawy[] = {
      {2, 10},
      {2, 8, 10, 16},
      {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
  const std::int32_t najwieksze[] = {255, 4095, 65535};
  for (int poziom = 1; poziom <= 3; ++poziom) {
    for (int numer = 1; numer <= 9999; ++numer) {
      const std::vector<Zadanie> zadania = zestaw(poziom, numer);
      ASSERT_EQ(zadania.size(), std::size_t{kZadan});
      std::set<std::int32_t> liczby;
      int dzialania = 0;
      for (const Zadanie& z : zadania) {
        const auto opis = testing::Message()
                          << "poziom " << poziom << ", zestaw " << numer << ": "
                          << tresc(z);
        const std::set<std::int32_t> wlasne{z.liczba, wynik(z)};
        for (const std::int32_t liczba : wlasne) {
          EXPECT_TRUE(liczby.insert(liczba).second) << opis;
        }
        EXPECT_TRUE(podstawy[poziom - 1].count(z.z)) << opis;
        EXPECT_TRUE(podstawy[poziom - 1].count(z.na)) << opis;
        for (const std::int32_t liczba : {z.liczba, wynik(z)}) {
          ASSERT_GE(liczba, 1) << opis;
          ASSERT_LE(liczba, najwieksze[poziom - 1]) << opis;
        }
        if (z.dzialanie == 0) {
          EXPECT_NE(z.z, z.na) << opis;
        } else {
          ++dzialania;
          EXPECT_GE(z.druga, 1) << opis;
          EXPECT_TRUE(z.z == z.na && (z.z == 2 || z.z == 8 || z.z == 16))
              << opis;
        }
      }
      EXPECT_EQ(dzialania, poziom == 3 ? 3 : 0);
    }
  }
}

}  // namespace
}  // namespace basecoach
