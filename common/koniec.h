#ifndef COMMON_KONIEC_H_
#define COMMON_KONIEC_H_

#include <string_view>

// How a program ends. Linking this file in (every program does, through the
// reading routines) also sets up, before main, the checks made at every end:
// output that could not be written turns status 0 into a "Blad: " line and
// status 1, running out of memory ends the program through przerwij, and a
// console window opened for the program alone waits for Enter before it goes.

/// Flushes standard output, prints "Blad: <opis>" and a newline on standard
/// error and ends the program with status 1. Allocates nothing, so it serves
/// when memory has run out too; it is the only "Blad: " line of the run.
[[noreturn]] void przerwij(std::string_view opis);

#endif  // COMMON_KONIEC_H_
