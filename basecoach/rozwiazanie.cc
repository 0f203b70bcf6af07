#include "rozwiazanie.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

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

// The bits of `liczba` in groups of `bity` from the right, the first filled
// with zeros on the left: 0011 1001 0001.
std::string grupy(std::int32_t liczba, std::size_t bity) {
  std::string dwojkowo = zapis(liczba, 2);
  dwojkowo.insert(0, (bity - dwojkowo.size() % bity) % bity, '0');
  for (std::size_t i = dwojkowo.size() - bity; i > 0; i -= bity)
    dwojkowo.insert(i, " ");
  return dwojkowo;
}

// The digits of `liczba` in base `sys` apart: 3 9 1.
std::string osobno(std::int32_t liczba, std::int32_t sys) {
  std::string cyfry;
  for (const char znak : zapis(liczba, sys)) cyfry += std::string(" ") + znak;
  return cyfry.substr(1);
}

// Between 2 and 8 or 16 each digit is a group of bits; between 8 and 16 the
// bits are grouped again: 1741(8) -> 001 111 100 001 -> 0011 1110 0001 -> 3E1.
void przez_bity(Linie& linie, std::int32_t liczba, std::int32_t z,
                std::int32_t na) {
  if (z == 2) {
    linie.push_back(grupy(liczba, bity(na)) + " -> " + osobno(liczba, na));
  } else if (na == 2) {
    linie.push_back(osobno(liczba, z) + " -> " + grupy(liczba, bity(z)));
  } else {
    linie.push_back(z_podstawa(liczba, z) + " -> " + grupy(liczba, bity(z)) +
                    " -> " + grupy(liczba, bity(na)) + " -> " +
                    zapis(liczba, na));
  }
}

// A digit of the alphabet: 12 is "C".
std::string cyfra(int wartosc) { return std::string(1, znaki[wartosc]); }

// Terms, each after its sign, as digits and, where a digit is a letter, as
// numbers too: "C + 9 = 12 + 9". The base is a number, given as -sys.
using Wyrazy = std::vector<std::pair<const char*, int>>;
std::string wyrazenie(const Wyrazy& wyrazy) {
  std::string cyfry, liczby;
  bool litera = false;
  for (const auto& [znak, w] : wyrazy) {
    cyfry += znak + (w < 0 ? std::to_string(-w) : cyfra(w));
    liczby += znak + std::to_string(std::abs(w));
    litera |= w >= 10;
  }
  return litera ? cyfry + " = " + liczby : cyfry;
}

// A row of the columns: the sign or a blank, then one cell a column, the
// cells right-aligned to `n` columns; narrow, as a phone's screen is.
std::string wiersz(char znak, const std::string& komorki, std::size_t n) {
  std::string etykieta(2 + 2 * (n - komorki.size()), ' ');
  etykieta[0] = znak;
  for (const char znak : komorki) etykieta += std::string(1, znak) + " ";
  return etykieta.substr(0, etykieta.find_last_not_of(' ') + 1);
}

// The sum or difference in columns, in its base: the carries, or the digits
// after lending, above; the numbers right-aligned, a rule, the result; then
// a line for each column that carried or borrowed. A borrow across zeros
// turns each zero into the base's largest digit.
void kolumny(Linie& linie, const Zadanie& z) {
  const std::int32_t sys = z.z;
  const std::string a = zapis(z.liczba, sys), b = zapis(z.druga, sys),
                    w = zapis(wynik(z), sys);
  const std::size_t n = std::max(a.size(), w.size());
  // Digits by column, the rightmost first; 0 past a number's first digit.
  std::vector<int> x(n + 1), y(n + 1);
  for (std::size_t i = 0; i < n; ++i) {
    x[i] = i < a.size() ? wartosc_cyfry(a[a.size() - 1 - i]) : 0;
    y[i] = i < b.size() ? wartosc_cyfry(b[b.size() - 1 - i]) : 0;
  }
  std::string gora(n, ' ');  // the row above, left to right
  Linie kroki;
  for (std::size_t i = 0, przeniesienie = 0; i < n; ++i) {
    if (z.dzialanie == '+') {
      Wyrazy wyrazy;
      if (przeniesienie) wyrazy.push_back({"", 1});
      if (i < a.size()) wyrazy.push_back({wyrazy.empty() ? "" : " + ", x[i]});
      if (i < b.size()) wyrazy.push_back({wyrazy.empty() ? "" : " + ", y[i]});
      if (przeniesienie) gora[n - 1 - i] = '1';
      const int suma = static_cast<int>(przeniesienie) + x[i] + y[i];
      przeniesienie = suma >= sys;
      if (!przeniesienie) continue;
      kroki.push_back(wyrazenie(wyrazy) + " = " + std::to_string(suma) +
                      " = 1*" + std::to_string(sys) + " + " +
                      std::to_string(suma - sys) + ": piszemy " +
                      cyfra(suma - sys) + ", przenosimy 1");
    } else if (x[i] < y[i]) {
      std::size_t j = i + 1;
      for (; x[j] == 0; ++j) gora[n - 1 - j] = znaki[x[j] = sys - 1];
      gora[n - 1 - j] = znaki[--x[j]];
      const int roznica = sys + x[i] - y[i];
      kroki.push_back("pozyczamy 1 z kolumny obok: " +
                      wyrazenie({{"", -sys}, {" + ", x[i]}, {" - ", y[i]}}) +
                      " = " + std::to_string(roznica) + ", piszemy " +
                      cyfra(roznica));
    }
  }
  const char* nad = z.dzialanie == '+' ? "przeniesienia:" : "pozyczki:";
  if (gora.find_first_not_of(' ') != std::string::npos)
    linie.insert(linie.end(), {nad, wiersz(' ', gora, n)});
  linie.push_back(wiersz(' ', a, n));
  linie.push_back(wiersz(z.dzialanie, b, n));
  linie.push_back("  " + std::string(2 * n - 1, '-'));
  linie.push_back(wiersz(' ', w, n));
  linie.insert(linie.end(), kroki.begin(), kroki.end());
}

}  // namespace

std::vector<std::string> rozwiazanie(const Zadanie& zadanie) {
  Linie linie;
  if (zadanie.dzialanie != 0) {
    kolumny(linie, zadanie);
  } else if ((zadanie.z == 2 || bity(zadanie.z) > 0) &&
             (zadanie.na == 2 || bity(zadanie.na) > 0)) {
    przez_bity(linie, zadanie.liczba, zadanie.z, zadanie.na);
  } else {
    if (zadanie.z != 10) rozwiniecie(linie, zadanie.liczba, zadanie.z);
    if (zadanie.na != 10) dzielenia(linie, zadanie.liczba, zadanie.na);
  }
  return linie;
}

std::string podpowiedz(const Zadanie& z) {
  const std::string na = std::to_string(z.na),
                    dziel = " przez " + na +
                            " i zapisuj reszty; wynik to reszty od ostatniej.";
  const std::string grupy =
      " bity na grupy po " + std::to_string(bity(z.na)) + " od prawej.";
  if (z.dzialanie == '+')
    return "Dodawaj kolumnami od prawej; gdy suma w kolumnie dojdzie do " + na +
           ", odejmij " + na + " i przenies 1 do kolumny obok.";
  if (z.dzialanie == '-')
    return "Odejmuj kolumnami od prawej; gdy cyfra u gory jest mniejsza, "
           "pozycz 1 z kolumny obok: jest warta " +
           na + ".";
  if (z.z == 2 && bity(z.na) > 0) return "Podziel" + grupy;
  if (bity(z.z) > 0 && (z.na == 2 || bity(z.na) > 0))
    return "Zapisz kazda cyfre jako " + std::to_string(bity(z.z)) + " bity" +
           (z.na == 2 ? "." : ", a potem podziel" + grupy);
  if (z.z == 10) return "Dziel " + std::to_string(z.liczba) + dziel;
  // The first digit's weight: 10...0 in its base.
  const std::string cyfry = zapis(z.liczba, z.z);
  const std::string wagi =
      "Pomnoz kazda cyfre przez jej wage: " +
      std::to_string(wartosc_cyfry(cyfry[0])) + "*" +
      std::to_string(
          odczyt("1" + std::string(cyfry.size() - 1, '0'), z.z).wartosc) +
      " + ...";
  return z.na == 10 ? wagi : wagi + "; potem dziel wynik" + dziel;
}

}  // namespace basecoach
