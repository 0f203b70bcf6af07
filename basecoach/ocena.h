#ifndef BASECOACH_OCENA_H_
#define BASECOACH_OCENA_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "zestaw.h"

namespace basecoach {

/// What an answer earns: right, wrong, wrong with a digit the base lacks, or
/// nothing, as it is not a number written in the base and is asked again.
enum class Ocena { dobrze, zle, obca_cyfra, nie_liczy_sie };

struct Sprawdzenie {
  Ocena ocena = Ocena::nie_liczy_sie;
  char cyfra = 0;  // the first digit the base lacks, upper case (obca_cyfra)
  std::size_t pozycja = std::string_view::npos;  // the first character that
                                                 // is no digit (nie_liczy_sie)
  std::string pomylka{};  // what went wrong, where it is known (zle)
};

/// Checks `odpowiedz` (a line without the blanks around it) against the
/// answer to `zadanie`: digits of the alphabet in either case, leading zeros
/// allowed, then optionally the base's label. Anything else (empty, a blank,
/// a sign, "0x", a comma, another base's label, a letter past F, a byte above
/// 127) does not count; a value of any length is compared exactly. A wrong
/// answer names its mistake, in a learner's words, only where its digits
/// (upper case, leading zeros kept) are exactly that mistake's answer: a sum
/// without its carries; a difference that did not pay back a borrow, or took
/// the smaller digit from the larger; the digits in reverse; the first or the
/// last digit missing; bits grouped from the left; the task's own number; the
/// value in base 10. The first of these that fits.
Sprawdzenie sprawdz(std::string_view odpowiedz, const Zadanie& zadanie);

}  // namespace basecoach

#endif  // BASECOACH_OCENA_H_
