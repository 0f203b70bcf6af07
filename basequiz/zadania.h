#ifndef BASEQUIZ_ZADANIA_H_
#define BASEQUIZ_ZADANIA_H_

#include <cstdint>
#include <string>

namespace basequiz {

// The exercises: each prints its own result line(s) to standard output.

/// Parity judged by the last character: '1' odd, '0' even; any other last
/// character, or an empty string, prints nothing.
void parzysta(std::string bin);

/// Parity judged by the value of `bin` read in base 2.
void parzysta_ver2(std::string bin);

/// Prints "<liczba1>(<sys1>)<dzialanie><liczba2>(<sys2>)=<wynik>(10)": the sum
/// for '+', the difference for any other character, wrapping modulo 2^32.
void zadanie2(std::string liczba1, std::int32_t sys1, char dzialanie,
              std::string liczba2, std::int32_t sys2);

/// Prints the colour as "Kolor #<color>=rgb(r ,g ,b)"; a piece missing from a
/// short colour counts as 0.
void hex_rgb(std::string color);

/// Prints the hexadecimal digits of the value of `hex` plus one (wrapping, so
/// FFFFFFFF gives 0).
void hex_inc(std::string hex);

/// Asks for a number and its base and prints it in bases 16, 10, 8 and 2. A
/// base outside 2..16, a bad digit or a value above 2147483647 is refused as
/// wczytaj_w_systemie refuses it.
void kalkulator();

}  // namespace basequiz

#endif  // BASEQUIZ_ZADANIA_H_
