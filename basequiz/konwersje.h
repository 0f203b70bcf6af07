#ifndef BASEQUIZ_KONWERSJE_H_
#define BASEQUIZ_KONWERSJE_H_

#include <cstdint>
#include <string>

namespace basequiz {

/// Value of the digit string `liczbasys` in base `sys`, unchecked: letters
/// count in either case, a digit at or above the base counts at its alphabet
/// value ("F" in base 2 is 15), any other character counts as -1, the empty
/// string is 0, and sums and weights wrap around modulo 2^32.
std::int32_t radixval(std::string liczbasys, std::int32_t sys);

/// Digits of `liczba` in base `sys`: "0" for 0; a negative value gets a
/// leading '-'; a base outside 2..16 gives the empty string.
std::string dec2sys(std::int32_t liczba, std::int32_t sys);

/// The signed value of the low 32 bits of `w`, for results that wrap around.
std::int32_t jako_int32(std::uint32_t w);

}  // namespace basequiz

#endif  // BASEQUIZ_KONWERSJE_H_
