#include "tabela.h"

#include <iostream>

#include "koniec.h"

namespace pairops {

void tabela(std::int32_t A, std::int32_t B) {
  // 64 bits hold every sum, difference, product and quotient of two 32-bit
  // numbers, INT32_MIN / -1 included.
  const std::int64_t a = A;
  const std::int64_t b = B;
  std::cout << "A+b=" << a + b << "\n";
  std::cout << "A-b=" << a - b << "\n";
  std::cout << "A*b=" << a * b << "\n";
  if (b == 0) przerwij("przez zero nie mozna dzielic (B = 0)");
  std::cout << "A/b=" << a / b << "\n";
  std::cout << "A%b=" << a % b << "\n";
}

}  // namespace pairops
