#ifndef COMMON_ZAPIS_H_
#define COMMON_ZAPIS_H_

#include <cstdint>
#include <string>
#include <string_view>

/// The digit alphabet: a digit value d (0 to 15) is written as znaki[d].
inline constexpr std::string_view znaki = "0123456789ABCDEF";

/// True for the bases the digit alphabet can write: 2 to 16.
constexpr bool poprawny_system(std::int32_t sys) {
  return sys >= 2 && sys <= 16;
}

/// What a program says of a base outside 2..16.
inline constexpr const char* kZlySystem =
    "system liczbowy musi byc z zakresu od 2 do 16";

/// Digits of `liczba` in base `sys`, most significant first. Returns "0" for
/// 0; a negative value gets a leading '-' (exact for INT32_MIN); a base
/// outside 2..16 gives the empty string.
std::string zapis(std::int32_t liczba, std::int32_t sys);

#endif  // COMMON_ZAPIS_H_
