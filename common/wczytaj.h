#ifndef COMMON_WCZYTAJ_H_
#define COMMON_WCZYTAJ_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "odmowa.h"

// The reads of standard input, the only ones: each writes its question
// (which may be empty), takes a word or a line with the tokenizer and a
// check of odmowa.h. A refused answer ends the program with its "Blad: "
// line and status 1, unless a person types the input (wpisuje_czlowiek):
// then the "Blad: " line at the start of a line, the rest of the typed line
// dropped, the question again and another read. The end of input and a read
// error always end it.

/// A signed 32-bit integer, as dziesietna checks it, refused naming `co`.
std::int32_t wczytaj_liczbe(std::string_view pytanie,
                            const char* co = kLiczbaDziesietna);

/// The next white-space-delimited word, as it is.
std::string wczytaj_slowo(std::string_view pytanie);

/// A base from 2 to 16, as podstawa checks it.
std::int32_t wczytaj_system(std::string_view pytanie);

/// A number and, after it, the base it is written in, as w_systemie checks
/// them: either refused asks for both.
std::int32_t wczytaj_w_systemie(std::string_view pytanie);

/// A line that holds a number from `od` to `do_`, as w_zakresie checks it.
std::int32_t wczytaj_z_linii(std::string_view pytanie, const char* co,
                             std::int32_t od, std::int32_t do_);

/// A line without the blanks around it, asked again as above, but the
/// refusal that ends the run comes back instead: the caller says what it
/// must, then ends with przerwij(opis(...)).
Tekst wczytaj_linie(std::string_view pytanie);

#endif  // COMMON_WCZYTAJ_H_
