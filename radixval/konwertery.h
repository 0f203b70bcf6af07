#ifndef RADIXVAL_KONWERTERY_H_
#define RADIXVAL_KONWERTERY_H_

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace radixval {

// Checked converters. A bad digit (anything but the base's digits: a sign, a
// blank, a byte above 127 too) or a value above 2147483647 gives 0 and the
// converter's message; every digit is checked even past the range, the empty
// string is 0 and leading zeros are fine.

/// A converter's answer: the value, after the message when there is one.
struct Wynik {
  std::int32_t wartosc;
  std::string_view komunikat;  // empty when the digits were good
};

/// Prints the message, if any, and then the value.
std::ostream& operator<<(std::ostream& wyjscie, const Wynik& wynik);

/// Binary digits '0' and '1'; message " Podano zla liczbe binarna: ".
Wynik bin2dec(std::string liczba);

/// Octal digits '0' to '7'; message " Podano zla liczbe osemkowa: ".
Wynik oct2dec(std::string liczba);

/// Hexadecimal digits, letters in either case; message " Podano zla liczbe: ".
Wynik hex2dec(std::string liczba);

}  // namespace radixval

#endif  // RADIXVAL_KONWERTERY_H_
