#ifndef COMMON_WCZYTAJ_H_
#define COMMON_WCZYTAJ_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

#include "koniec.h"

/// The most characters a word or a number read from standard input may have;
/// a longer one is refused as soon as its next character arrives. UTF-8
/// counts by characters, a byte-order mark at the very start not at all.
inline constexpr std::size_t kMaksDlugosc = 4096;

/// A read's outcome: `blad` is empty, or says why nothing was read as the end
/// of "oczekiwano <what>, a <blad>" ("dane wejsciowe sie skonczyly").
template <typename T>
struct Wczytane {
  T wartosc{};
  std::string blad{};
};

/// The next word of `we`: words are separated by C-locale white space. Fails
/// at the end of input, on a read error and past kMaksDlugosc characters.
/// With `na_poczatku` (nothing was read from `we` yet) a UTF-8 byte-order
/// mark that starts it is skipped, since Notepad writes one; anywhere else
/// the same bytes are input.
Wczytane<std::string> czytaj_slowo(std::istream& we, bool na_poczatku);

/// The next word of `we`, which must be a whole signed 32-bit decimal number
/// (an optional sign, then digits only): "12a", "2,5" and "16-1" are refused,
/// naming the word, and a word that is not a number is refused as such even
/// when its digits would be out of range.
Wczytane<std::int32_t> czytaj_liczbe(std::istream& we, bool na_poczatku);

// Every read below reads standard input and ends the program through przerwij
// when it fails, with a text naming `co`, the thing expected (in the Polish
// genitive, e.g. "liczby calkowitej").

/// Reads a signed 32-bit integer: a whole word, as czytaj_liczbe.
std::int32_t wczytaj_liczbe(const char* co = "liczby calkowitej");

/// Reads the next white-space-delimited word.
std::string wczytaj_slowo(const char* co);

/// Reads a base with wczytaj_liczbe; a base outside 2..16 ends the program
/// through przerwij as well.
std::int32_t wczytaj_system();

#endif  // COMMON_WCZYTAJ_H_
