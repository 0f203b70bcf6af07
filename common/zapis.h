#ifndef COMMON_ZAPIS_H_
#define COMMON_ZAPIS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// The digit alphabet: a digit value d (0 to 15) is written as znaki[d].
inline constexpr std::string_view znaki = "0123456789ABCDEF";

/// Value of the digit `znak` in the alphabet, letters in either case; -1 for
/// any other character (a byte above 127 too).
int wartosc_cyfry(char znak);

/// True for the bases the digit alphabet can write: 2 to 16.
constexpr bool poprawny_system(std::int32_t sys) {
  return sys >= 2 && sys <= 16;
}

/// The digits of base `sys` (2 to 16) as a learner reads them: "0-1",
/// "0-F".
inline std::string cyfry_systemu(std::int32_t sys) {
  return std::string("0-") + znaki[sys - 1];
}

/// Digits of `liczba` in base `sys`, most significant first. Returns "0" for
/// 0; a negative value gets a leading '-' (exact for INT32_MIN); a base
/// outside 2..16 gives the empty string.
std::string zapis(std::int32_t liczba, std::int32_t sys);

/// The label that names base `sys` after a number: "(16)".
inline std::string etykieta(std::int32_t sys) {
  return "(" + std::to_string(sys) + ")";
}

/// `liczba` in base `sys` with its label: "2D(16)"; zapis's edge cases.
inline std::string z_podstawa(std::int32_t liczba, std::int32_t sys) {
  return zapis(liczba, sys) + etykieta(sys);
}

/// Why odczyt found no value, in the order it looks: the base, the digits,
/// then the range.
enum class BladOdczytu { brak, zly_system, brak_cyfr, zla_cyfra, za_duza };

struct Odczyt {
  std::int32_t wartosc = 0;  // 0 unless blad is brak
  BladOdczytu blad = BladOdczytu::brak;
  std::size_t pozycja = 0;  // index of the first bad character (zla_cyfra)
};

/// The value of `cyfry` in base `sys`, the inverse of zapis: letters count in
/// either case and leading zeros are fine. With `ze_znakiem` one leading '+'
/// or '-' is taken and the range is that of int32_t; otherwise it is 0 to
/// 2147483647. A character that is not a digit of the base is found even
/// past the range; an empty string, or a sign alone, has no digits.
Odczyt odczyt(std::string_view cyfry, std::int32_t sys,
              bool ze_znakiem = false);

#endif  // COMMON_ZAPIS_H_
