#ifndef COMMON_ODMOWA_H_
#define COMMON_ODMOWA_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The checks of what was read, and the one place that words a refusal. A
// check hands back a value or an Odmowa, a kind and the word, as values; opis
// alone turns one into the text of a "Blad: " line.

/// The most characters a word, or the answer on a line, may have; the
/// tokenizer stops past it.
inline constexpr std::size_t kMaksDlugosc = 4096;

/// Counts characters as kMaksDlugosc does: true when `bajt` starts one, as
/// every byte does but up to three UTF-8 continuation bytes after a start;
/// `ciag` carries how many came since that start (3 makes any byte a start).
inline bool nowy_znak(unsigned char bajt, int& ciag) {
  ciag = (bajt & 0xC0) == 0x80 && ciag < 3 ? ciag + 1 : 0;
  return ciag == 0;
}

/// What a decimal number is, and how to write one: znaki's default.
inline constexpr const char* kLiczbaDziesietna =
    "liczba dziesietna: wpisz same cyfry 0-9, np. 255";

/// Why an answer was refused, if it was: the input ended before it, or
/// could not be read (odczyt); its length is past kMaksDlugosc; its
/// characters are not an optional sign and decimal digits; it is outside the
/// signed 32-bit range; outside the range from od to do_; a character is not
/// a digit of the base.
enum class Powod { brak, koniec, odczyt, dlugosc, znaki, int32, zakres, cyfra };

/// A refusal: its kind, the word as read, and what its message names: `co`
/// was wanted (znaki, zakres), from `od` to `do_` (zakres), and the
/// character at `pozycja` is no digit of base `sys` (cyfra).
struct Odmowa {
  Powod powod = Powod::brak;
  std::string slowo{};
  const char* co = "";
  std::int32_t od = 0, do_ = 0, sys = 0;
  std::size_t pozycja = 0;

  /// True for the end of input and a read error, past which asking again
  /// cannot help.
  bool ostateczna() const {
    return powod == Powod::koniec || powod == Powod::odczyt;
  }
};

/// A read's outcome: a value, or the refusal that stands in its place.
template <typename T>
struct Wczytane {
  T wartosc{};
  Odmowa odmowa{};
};
using Tekst = Wczytane<std::string>;
using Liczba = Wczytane<std::int32_t>;

/// `slowo` as a signed 32-bit decimal number: an optional sign, then digits.
/// Any other word is znaki naming `co`, even one out of range or too
/// long ("12a", "2,5", "16-1", "-"); a number out of range int32; the
/// tokenizer's other refusals stay.
Liczba dziesietna(const Tekst& slowo, const char* co = kLiczbaDziesietna);

/// `slowo` as a decimal number from `od` to `do_`: anything else, an empty
/// line or a too long word too, is zakres naming `co`. The end of
/// input and a read error stay.
Liczba w_zakresie(const Tekst& slowo, const char* co, std::int32_t od,
                  std::int32_t do_);

/// `slowo` as a base from 2 to 16, as w_zakresie names "podstawa systemu".
inline Liczba podstawa(const Tekst& slowo) {
  return w_zakresie(slowo, "podstawa systemu", 2, 16);
}

/// The value of `cyfry` in the base `sys` names (podstawa): digits of the
/// base only, letters in either case, no sign, at most 2147483647. A refused
/// `cyfry` comes first, then a bad base, then the first bad digit
/// (cyfra), then the size (int32).
Liczba w_systemie(const Tekst& cyfry, const Tekst& sys);

/// The text of the "Blad: " line for `odmowa`, in a learner's words; empty
/// for brak. Each quotes its word with cytat.
std::string opis(const Odmowa& odmowa);

/// `slowo` in double quotes for a message: cut to 20 characters, as
/// kMaksDlugosc counts them (never inside one), with "..." after a cut, and a
/// character the platform cannot show (pokazywalny) as one '?'.
std::string cytat(std::string_view slowo);

#endif  // COMMON_ODMOWA_H_
