#ifndef COMMON_WCZYTAJ_H_
#define COMMON_WCZYTAJ_H_

#include <cstdint>
#include <string>

/// Flushes standard output, prints "Blad: <opis>" and a newline on standard
/// error and ends the program with status 1.
[[noreturn]] void przerwij(const std::string& opis);

/// Reads a signed 32-bit integer from standard input by formatted extraction
/// (leading white space skipped, the first other character left in place).
/// At end of input, on text that is not a number or on a number outside the
/// 32-bit range it calls przerwij with a text naming `co`, the thing expected
/// (in the Polish genitive, e.g. "liczby calkowitej").
std::int32_t wczytaj_liczbe(const char* co = "liczby calkowitej");

/// Reads the next white-space-delimited word from standard input; at end of
/// input it calls przerwij with a text naming `co`.
std::string wczytaj_slowo(const char* co);

/// Reads a base with wczytaj_liczbe; a base outside 2..16 ends the program
/// through przerwij as well.
std::int32_t wczytaj_system();

#endif  // COMMON_WCZYTAJ_H_
