#ifndef FUZZ_KANONICZNE_H_
#define FUZZ_KANONICZNE_H_

#include <cctype>
#include <string>

/// The digits as the digit builder writes them: upper case, no leading zeros,
/// "0" when nothing else is left.
inline std::string kanoniczne(const std::string& cyfry) {
  std::string wynik;
  for (char znak : cyfry) {
    if (wynik.empty() && znak == '0') continue;
    wynik += static_cast<char>(std::toupper(static_cast<unsigned char>(znak)));
  }
  return wynik.empty() ? "0" : wynik;
}

#endif  // FUZZ_KANONICZNE_H_
