#ifndef COMMON_WCZYTAJ_H_
#define COMMON_WCZYTAJ_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

/// The most characters a word or a number read from standard input may have;
/// a longer one is refused as soon as its next character arrives. A character
/// is a byte and up to three UTF-8 continuation bytes after it; a byte-order
/// mark at the very start counts not at all.
inline constexpr std::size_t kMaksDlugosc = 4096;

/// What a decimal number read with the default of wczytaj_liczbe is, and how
/// to write one, for the line that refuses a word.
inline constexpr const char* kLiczbaDziesietna =
    "liczba dziesietna: wpisz same cyfry 0-9, np. 255";

/// A read's outcome: `blad` is empty, or the text of the "Blad: " line that
/// refuses the answer, which quotes a refused word cut to 20 characters, as
/// kMaksDlugosc counts them, with a character the platform cannot show
/// (pokazywalny) as one '?'; `koniec` marks the end of input or a read error,
/// after which asking again cannot help; `reszta_linii` marks a read that
/// left the rest of its line unread, which asking again drops.
template <typename T>
struct Wczytane {
  T wartosc{};
  std::string blad{};
  bool koniec = false;
  bool reszta_linii = true;
};

/// The next word of `we`: words are separated by C-locale white space. Fails
/// at the end of input, on a read error and past kMaksDlugosc characters.
/// With `na_poczatku` (nothing was read from `we` yet) a UTF-8 byte-order
/// mark that starts it is skipped, since Notepad writes one; anywhere else
/// the same bytes are input.
Wczytane<std::string> czytaj_slowo(std::istream& we, bool na_poczatku);

/// The next line of `we`, its line end taken, without the C-locale white
/// space around it; a last line may lack the line end. Fails at the end of
/// input before any character, on a read error, and past kMaksDlugosc
/// characters, the rest of that line unread; the byte-order mark as for
/// czytaj_slowo.
Wczytane<std::string> czytaj_linie(std::istream& we, bool na_poczatku);

/// `slowo` as a decimal number from `od` to `do_` (a sign may come first);
/// any other word, or a refused one, is refused as "<co> to liczba od <od>
/// do <do_>, a podano "<word>"". The end of input stays as it is.
Wczytane<std::int32_t> w_zakresie(Wczytane<std::string> slowo, const char* co,
                                  std::int32_t od, std::int32_t do_);

/// The next word of `we`, which must be a whole signed 32-bit decimal number
/// (an optional sign, then digits only): "12a", "2,5" and "16-1" are refused
/// as "<word> to nie jest <co>", and a word that is not a number is refused
/// as such even when its digits would be out of range.
Wczytane<std::int32_t> czytaj_liczbe(std::istream& we, bool na_poczatku,
                                     const char* co = kLiczbaDziesietna);

/// The value of a word written in the base that comes after it, a decimal
/// number from 2 to 16: the word must be digits of the base, letters in
/// either case and no sign, of a value no larger than 2147483647; a bad base
/// is found first, then a bad digit, then the size. Either word refused
/// refuses both.
Wczytane<std::int32_t> czytaj_w_systemie(std::istream& we, bool na_poczatku);

// Every read below reads standard input. A refused answer ends the program
// through przerwij, unless a person types the input (wpisuje_czlowiek): then
// its "Blad: " line, the rest of the typed line dropped, the question again
// and another read. The end of input and a read error always end it.

/// Reads a signed 32-bit integer, as czytaj_liczbe.
std::int32_t wczytaj_liczbe(const char* co = kLiczbaDziesietna);

/// Reads the next white-space-delimited word.
std::string wczytaj_slowo();

/// Reads a base from 2 to 16, as a decimal number.
std::int32_t wczytaj_system();

/// Reads a number written in a base and the base, as czytaj_w_systemie.
std::int32_t wczytaj_w_systemie();

/// Reads a line that holds a number from `od` to `do_`, as w_zakresie.
std::int32_t wczytaj_z_linii(const char* co, std::int32_t od, std::int32_t do_);

/// Reads a line, as czytaj_linie, asking again as the reads above do, but
/// hands back the refusal that ends the run instead of ending it: the caller
/// says what it must, then calls przerwij with its blad.
Wczytane<std::string> wczytaj_linie();

#endif  // COMMON_WCZYTAJ_H_
