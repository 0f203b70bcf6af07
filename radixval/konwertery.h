#ifndef RADIXVAL_KONWERTERY_H_
#define RADIXVAL_KONWERTERY_H_

#include <cstdint>
#include <string>

// Checked converters. A bad digit (anything but the base's digits: a sign, a
// blank, a byte above 127 too) or a value above 2147483647 prints the
// converter's message once to standard output and gives 0; every digit is
// checked even past the range, the empty string is 0 and leading zeros are
// fine.

/// Binary digits '0' and '1'; message " Podano zla liczbe binarna: ".
std::int32_t bin2dec(std::string liczba);

/// Octal digits '0' to '7'; message " Podano zla liczbe osemkowa: ".
std::int32_t oct2dec(std::string liczba);

/// Hexadecimal digits, letters in either case; message " Podano zla liczbe: ".
std::int32_t hex2dec(std::string liczba);

#endif  // RADIXVAL_KONWERTERY_H_
