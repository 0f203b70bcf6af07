#ifndef COMMON_KONIEC_H_
#define COMMON_KONIEC_H_

#include <string_view>

// How a program ends.

/// Called first in every main. Sets up the checks made at every end: output
/// that could not be written turns status 0 into a "Blad: " line and status 1,
/// running out of memory ends the program through przerwij, a console window
/// opened for the program alone waits for Enter before it goes, and on a
/// terminal a "Blad: " line starts at the start of a line.
void przygotuj_program();

/// Flushes standard output and prints "Blad: <opis>" and a newline on
/// standard error, after a line end when a terminal's cursor is not at a line
/// start. Allocates nothing, so it serves when memory has run out too.
void zglos(std::string_view opis);

/// zglos, then ends the program with status 1; no other "Blad: " line
/// follows, not even for output lost before.
[[noreturn]] void przerwij(std::string_view opis);

#endif  // COMMON_KONIEC_H_
