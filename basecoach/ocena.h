#ifndef BASECOACH_OCENA_H_
#define BASECOACH_OCENA_H_

#include <cstdint>
#include <string_view>

namespace basecoach {

/// What an answer earns: right, wrong, wrong with a digit the base lacks, or
/// nothing, as it is not a number written in the base and is asked again.
enum class Ocena { dobrze, zle, obca_cyfra, nie_liczy_sie };

struct Sprawdzenie {
  Ocena ocena = Ocena::nie_liczy_sie;
  char cyfra = 0;  // the first digit the base lacks, upper case (obca_cyfra)
};

/// Checks `odpowiedz` (a line without the blanks around it) against `wynik`
/// in base `sys`: digits of the alphabet in either case, leading zeros
/// allowed, then optionally "(sys)". Anything else (empty, a blank, a sign,
/// "0x", a comma, another base's label, a letter past F, a byte above 127)
/// does not count; a value of any length is compared exactly.
Sprawdzenie sprawdz(std::string_view odpowiedz, std::int32_t sys,
                    std::int32_t wynik);

}  // namespace basecoach

#endif  // BASECOACH_OCENA_H_
