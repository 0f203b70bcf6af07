#ifndef BASECOACH_ROZWIAZANIE_H_
#define BASECOACH_ROZWIAZANIE_H_

#include <string>
#include <vector>

#include "zestaw.h"

namespace basecoach {

/// The working of `zadanie` by the school's method, a line each: from base 10
/// the divisions and the remainders read from the last; to base 10 the
/// digits times their weights and the sum of the terms that are not 0 (where
/// there are two or more); between 2, 8 and 16 groups of bits from the
/// right, the first filled with zeros, 8 and 16 through the bits; between
/// other bases through base 10; a sum or a difference in columns in its
/// base, with its carries or borrows.
std::vector<std::string> rozwiazanie(const Zadanie& zadanie);

/// One line that starts the working's method without giving the answer:
/// "Dziel 25 przez 2 i zapisuj reszty; wynik to reszty od ostatniej."
std::string podpowiedz(const Zadanie& zadanie);

}  // namespace basecoach

#endif  // BASECOACH_ROZWIAZANIE_H_
