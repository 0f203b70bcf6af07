#ifndef BASECOACH_ROZWIAZANIE_H_
#define BASECOACH_ROZWIAZANIE_H_

#include <string>
#include <vector>

#include "zestaw.h"

namespace basecoach {

/// The working of `zadanie`, a line each: from base 10 the divisions and the
/// remainders read from the last; to base 10 the digits times their weights
/// and the sum of the terms that are not 0; between 2 and 8 or 16 the groups
/// of bits and their digits; between other bases through base 10; for a sum
/// or a difference both numbers and the result in base 10 first.
std::vector<std::string> rozwiazanie(const Zadanie& zadanie);

}  // namespace basecoach

#endif  // BASECOACH_ROZWIAZANIE_H_
