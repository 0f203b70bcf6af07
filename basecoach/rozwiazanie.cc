#include "rozwiazanie.h"

#include "zapis.h"

namespace basecoach {
namespace {

using Linie = std::vector<std::string>;

// 45 : 2 = 22, reszta 1 ... then the remainders from the last one up.
void dzielenia(Linie& linie, std::int32_t liczba, std::int32_t sys) {
  for (std::int32_t n = liczba; n > 0; n /= sys) {
    const std::int32_t reszta = n % sys;
    linie.push_back(std::to_string(n) + " : " + std::to_string(sys) + " = " +
                    std::to_string(n / sys) + ", reszta " +
                    std::to_string(reszta));
    if (reszta >= 10) linie.back() += std::string(" (") + znaki[reszta] + ")";
  }
  linie.push_back("Reszty od ostatniej do pierwszej: " + zapis(liczba, sys));
}

// 101101(2) = 1*32 + 0*16 + ... + 1*1 = 32 + 8 + 4 + 1 = 45; the sum of
// the terms only where there are two or more.
void rozwiniecie(Linie& linie, std::int32_t liczba, std::int32_t sys) {
  const std::string cyfry = zapis(liczba, sys);
  std::int32_t waga = 1;
  for (std::size_t i = 1; i < cyfry.size(); ++i) waga *= sys;
  std::string iloczyny, skladniki;
  int niezerowe = 0;
  for (const char znak : cyfry) {
    const int cyfra = wartosc_cyfry(znak);
    iloczyny += (iloczyny.empty() ? "" : " + ") + std::to_string(cyfra) + "*" +
                std::to_string(waga);
    if (cyfra > 0) {
      skladniki +=
          (skladniki.empty() ? "" : " + ") + std::to_string(cyfra * waga);
      ++niezerowe;
    }
    waga /= sys;
  }
  linie.push_back(z_podstawa(liczba, sys) + " = " + iloczyny +
                  (niezerowe > 1 ? " = " + skladniki : "") + " = " +
                  std::to_string(liczba));
}

// 10 1101 -> 2 D: a group of 3 or 4 bits for each digit of base 8 or 16,
// the first as short as it can be; the other way round from 8 or 16.
void grupy(Linie& linie, std::int32_t liczba, std::int32_t z, std::int32_t na) {
  const std::int32_t sys = z == 2 ? na : z;
  const std::size_t bity = sys == 8 ? 3 : 4;
  const std::string cyfry = zapis(liczba, sys);
  std::string dwojkowo, osobno;
  for (std::size_t i = 0; i < cyfry.size(); ++i) {
    std::string grupa = zapis(wartosc_cyfry(cyfry[i]), 2);
    if (i > 0) grupa.insert(0, bity - grupa.size(), '0');
    dwojkowo += (i > 0 ? " " : "") + grupa;
    osobno += (i > 0 ? " " : "") + std::string(1, cyfry[i]);
  }
  linie.push_back(z == 2 ? dwojkowo + " -> " + osobno
                         : osobno + " -> " + dwojkowo);
}

bool grupami(std::int32_t z, std::int32_t na) {
  const std::int32_t inna = z == 2 ? na : na == 2 ? z : 0;
  return inna == 8 || inna == 16;
}

}  // namespace

std::vector<std::string> rozwiazanie(const Zadanie& zadanie) {
  Linie linie;
  if (zadanie.dzialanie != 0) {
    rozwiniecie(linie, zadanie.liczba, zadanie.z);
    rozwiniecie(linie, zadanie.druga, zadanie.z);
    linie.push_back(std::to_string(zadanie.liczba) + " " + zadanie.dzialanie +
                    " " + std::to_string(zadanie.druga) + " = " +
                    std::to_string(wynik(zadanie)));
    dzielenia(linie, wynik(zadanie), zadanie.na);
  } else if (grupami(zadanie.z, zadanie.na)) {
    grupy(linie, zadanie.liczba, zadanie.z, zadanie.na);
  } else {
    if (zadanie.z != 10) rozwiniecie(linie, zadanie.liczba, zadanie.z);
    if (zadanie.na != 10) dzielenia(linie, zadanie.liczba, zadanie.na);
  }
  return linie;
}

}  // namespace basecoach
