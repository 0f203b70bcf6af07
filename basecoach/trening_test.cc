#include "trening.h"

#include <gtest/gtest.h>

#include <iostream>
#include <regex>
#include <sstream>
#include <string>

#include "zestaw.h"

namespace basecoach {
namespace {

// Set 0 draws a set from 1 to 9999, says which, and gives that set's tasks.
TEST(TreningTest, ADrawnSetIsTold) {
  std::istringstream wejscie("1\n0\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n");
  std::ostringstream wyjscie;
  std::streambuf* cin = std::cin.rdbuf(wejscie.rdbuf());
  std::streambuf* cout = std::cout.rdbuf(wyjscie.rdbuf());
  const int kod = trening();
  std::cin.rdbuf(cin);
  std::cout.rdbuf(cout);
  const std::string tekst = wyjscie.str();
  std::smatch numer;
  ASSERT_TRUE(
      std::regex_search(tekst, numer, std::regex("Losowy zestaw: (\\d+)\n")))
      << tekst;
  const int n = std::stoi(numer[1]);
  EXPECT_GE(n, 1);
  EXPECT_LE(n, 9999);
  EXPECT_NE(tekst.find("Zadanie 1 z 10: " + tresc(zestaw(1, n)[0])),
            std::string::npos);
  EXPECT_NE(tekst.find("Poziom 1, zestaw " + std::to_string(n) + ".\n"),
            std::string::npos);
  EXPECT_EQ(kod, 0);
}

}  // namespace
}  // namespace basecoach
