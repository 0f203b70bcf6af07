#ifndef FUZZ_KANONICZNE_H_
#define FUZZ_KANONICZNE_H_

#include <cctype>
#include <string>

/// The digits as the digit builder writes them: upper case, no '+', no
/// leading zeros, "0" when nothing else is left, and '-' only before a value
/// that is not 0.
inline std::string kanoniczne(const std::string& cyfry) {
  const bool znak = !cyfry.empty() && (cyfry[0] == '-' || cyfry[0] == '+');
  std::string wynik;
  for (std::size_t i = znak; i < cyfry.size(); ++i) {
    if (wynik.empty() && cyfry[i] == '0') continue;
    wynik +=
        static_cast<char>(std::toupper(static_cast<unsigned char>(cyfry[i])));
  }
  if (wynik.empty()) return "0";
  return znak && cyfry[0] == '-' ? '-' + wynik : wynik;
}

#endif  // FUZZ_KANONICZNE_H_
