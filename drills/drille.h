#ifndef DRILLS_DRILLE_H_
#define DRILLS_DRILLE_H_

namespace drills {

// Each drill prints its header and prompt, reads a decimal number and prints
// "liczba: <number><text><digits>" and an empty line. 0 gives "0", a negative
// number "-" and the digits of its magnitude. A failed read ends the program
// with a "Blad: " line and status 1, before the result line.

/// Base 2: "liczba: 10 to w systemie dwojkowym -> 1010".
void dec2bin();

/// Base 8: "liczba: 64 to w systemie osemkowym -> 100".
void dec2oct();

/// Base 16: "liczba: 255 to w systemie szesnastkowym -> FF".
void dec2hex();

/// Also asks for the base: "liczba: 255 to w systemie16 --> FF". A base
/// outside 2..16 ends the program with a "Blad: " line and status 1.
void dec2sys();

}  // namespace drills

#endif  // DRILLS_DRILLE_H_
