#ifndef COMMON_WCZYTAJ_H_
#define COMMON_WCZYTAJ_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "koniec.h"

/// The most characters a word or a number read from standard input may have;
/// a longer one is refused as soon as its next character arrives.
inline constexpr std::size_t kMaksDlugosc = 4096;

// Every read below ends the program through przerwij, with a text naming
// `co`, the thing expected (in the Polish genitive, e.g. "liczby
// calkowitej"), at end of input, on a read error and past kMaksDlugosc.

/// Reads a signed 32-bit integer as formatted extraction does (leading white
/// space skipped, an optional sign, decimal digits, the first other character
/// left in place). Also fails on text that is not a number and on a number
/// outside the 32-bit range, before reading past its first excess digit.
std::int32_t wczytaj_liczbe(const char* co = "liczby calkowitej");

/// Reads the next white-space-delimited word from standard input.
std::string wczytaj_slowo(const char* co);

/// Reads a base with wczytaj_liczbe; a base outside 2..16 ends the program
/// through przerwij as well.
std::int32_t wczytaj_system();

#endif  // COMMON_WCZYTAJ_H_
