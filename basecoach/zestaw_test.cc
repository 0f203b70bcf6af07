#include "zestaw.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "zapis.h"

namespace basecoach {
namespace {

// Every set of every level: ten tasks within the level's bases and values,
// no value (a number, a result, a second number) in two of them, no X + X;
// on level 3 sums and differences of three-digit numbers that carry or
// borrow, on level 4 three of them among the conversions.
TEST(ZestawTest, EverySetKeepsTheLevelsRules) {
  const std::set<std::int32_t> podstawy[] = {
      {2, 10},
      {2, 8, 10, 16},
      {2, 8, 16},
      {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
  const std::int32_t najwieksze[] = {255, 4095, 4095, 65535};
  for (int poziom = 1; poziom <= 4; ++poziom) {
    for (int numer = 1; numer <= 9999; ++numer) {
      const std::vector<Zadanie> zadania = zestaw(poziom, numer);
      ASSERT_EQ(zadania.size(), std::size_t{kZadan});
      std::set<std::int32_t> liczby;
      int dzialania = 0;
      for (const Zadanie& z : zadania) {
        const auto opis = testing::Message()
                          << "poziom " << poziom << ", zestaw " << numer << ": "
                          << tresc(z);
        std::set<std::int32_t> wlasne{z.liczba, wynik(z)};
        if (z.dzialanie != 0) wlasne.insert(z.druga);
        for (const std::int32_t liczba : wlasne) {
          EXPECT_TRUE(liczby.insert(liczba).second) << opis;
          ASSERT_GE(liczba, 1) << opis;
          ASSERT_LE(liczba, najwieksze[poziom - 1]) << opis;
        }
        EXPECT_TRUE(podstawy[poziom - 1].count(z.z)) << opis;
        EXPECT_TRUE(podstawy[poziom - 1].count(z.na)) << opis;
        if (z.dzialanie == 0) {
          EXPECT_NE(z.z, z.na) << opis;
          continue;
        }
        ++dzialania;
        EXPECT_NE(z.liczba, z.druga) << opis;
        EXPECT_TRUE(z.z == z.na && (z.z == 2 || z.z == 8 || z.z == 16)) << opis;
        if (poziom == 3) {
          EXPECT_GE(std::min(z.liczba, z.druga), z.z * z.z) << opis;
          EXPECT_LE(std::max(z.liczba, wynik(z)), z.z == 2 ? 255 : 4095)
              << opis;
          EXPECT_NE(po_kolumnie(z, z.dzialanie), zapis(wynik(z), z.z)) << opis;
        }
      }
      EXPECT_EQ(dzialania, poziom == 3 ? 10 : poziom == 4 ? 3 : 0);
    }
  }
}

// Levels 1 and 2 give 1.2.0's sets, level 4 1.2.0's level 3 but for the
// 206 sets that broke the rule above: the same task lines, as a class may
// share a set across versions.
TEST(ZestawTest, SetsOf120Stay) {
  const std::set<int> zmienione = {
      73,   126,  153,  176,  193,  201,  326,  401,  414,  424,  515,  553,
      638,  687,  689,  744,  747,  749,  829,  883,  935,  1013, 1042, 1082,
      1105, 1162, 1178, 1187, 1248, 1255, 1261, 1287, 1421, 1447, 1489, 1551,
      1558, 1573, 1606, 1664, 1665, 1686, 1691, 1721, 1776, 1803, 1835, 1853,
      1905, 1907, 1908, 1935, 2155, 2207, 2272, 2309, 2326, 2355, 2407, 2415,
      2450, 2469, 2472, 2502, 2512, 2536, 2674, 2713, 2849, 2880, 2894, 3033,
      3067, 3095, 3119, 3145, 3361, 3531, 3552, 3564, 3612, 3623, 3692, 3729,
      3781, 3855, 3870, 3886, 4025, 4029, 4215, 4225, 4302, 4329, 4395, 4424,
      4437, 4544, 4552, 4602, 4629, 4662, 4742, 4793, 4804, 4821, 4834, 4871,
      4944, 4957, 5164, 5179, 5238, 5302, 5321, 5324, 5552, 5586, 5933, 5934,
      5975, 5982, 6082, 6107, 6108, 6118, 6144, 6194, 6205, 6269, 6278, 6286,
      6294, 6339, 6358, 6388, 6445, 6466, 6469, 6482, 6492, 6581, 6592, 6708,
      6744, 6786, 6854, 7105, 7164, 7207, 7253, 7304, 7306, 7380, 7454, 7518,
      7636, 7657, 7727, 7736, 7820, 7825, 7847, 7911, 7920, 7926, 8021, 8032,
      8061, 8084, 8095, 8139, 8349, 8374, 8379, 8418, 8458, 8506, 8595, 8715,
      8725, 8733, 8771, 8790, 8803, 8863, 8915, 8987, 9075, 9100, 9177, 9195,
      9205, 9320, 9336, 9360, 9365, 9368, 9479, 9506, 9597, 9604, 9683, 9721,
      9825, 9872};
  // FNV-1a over the task lines, each with its line end.
  const auto suma = [](std::uint64_t h, const std::string& tekst) {
    for (const unsigned char znak : tekst + "\n")
      h = (h ^ znak) * 1099511628211u;
    return h;
  };
  std::uint64_t poziomy12 = 14695981039346656037u, poziom4 = poziomy12;
  for (int poziom : {1, 2}) {
    for (int numer = 1; numer <= 9999; ++numer) {
      for (const Zadanie& z : zestaw(poziom, numer))
        poziomy12 = suma(poziomy12, tresc(z));
    }
  }
  for (int numer = 1; numer <= 9999; ++numer) {
    if (zmienione.count(numer)) continue;
    for (const Zadanie& z : zestaw(4, numer)) poziom4 = suma(poziom4, tresc(z));
  }
  EXPECT_EQ(poziomy12, 2477972086721437647u);
  EXPECT_EQ(poziom4, 13300099991666940060u);
}

}  // namespace
}  // namespace basecoach
