#ifndef COMMON_SLOWA_H_
#define COMMON_SLOWA_H_

#include <istream>

#include "odmowa.h"

// The tokenizer: the words and lines of an input, bounded, each handed back
// with what stopped it short of one. It reads any std::istream and never
// writes.

/// The next word of `we`: C-locale white space, line ends too, comes before
/// it and ends it, left unread. Refused as koniec at the end of input before
/// a word, odczyt on a read error, dlugosc past kMaksDlugosc
/// characters (the first kMaksDlugosc the word, the rest unread). With
/// `na_poczatku` (nothing read from `we` yet) a UTF-8 byte-order mark that
/// starts `we` is dropped and not counted, as Notepad writes one; anywhere
/// else those bytes are input.
Tekst czytaj_slowo(std::istream& we, bool na_poczatku);

/// The next line of `we` with its line end taken (a last line may lack one),
/// without the C-locale blanks around it, which the limit does not count (a
/// CR before the line end is one). Refused as czytaj_slowo refuses, the line
/// end unread after dlugosc; koniec at the end of input before a character
/// that is not a blank.
Tekst czytaj_linie(std::istream& we, bool na_poczatku);

/// Drops the rest of the line a read stopped in, through its line end, as far
/// as `we` holds it already: it never waits for more input.
void pomin_reszte_linii(std::istream& we);

#endif  // COMMON_SLOWA_H_
