#ifndef PAIROPS_TABELA_H_
#define PAIROPS_TABELA_H_

#include <cstdint>

namespace pairops {

/// Prints the rows "A+b=", "A-b=", "A*b=", "A/b=" and "A%b=" with exact
/// results (no row wraps; the quotient is truncated toward zero, the
/// remainder has the sign of A). B = 0 ends the program after the first three
/// rows with a "Blad: " line and status 1.
void tabela(std::int32_t A, std::int32_t B);

}  // namespace pairops

#endif  // PAIROPS_TABELA_H_
