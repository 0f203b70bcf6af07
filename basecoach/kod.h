#ifndef BASECOACH_KOD_H_
#define BASECOACH_KOD_H_

#include <optional>
#include <string>
#include <string_view>

namespace basecoach {

/// A test's result as its code holds it: the learner's number in the class
/// register (1 to 99), the level (1 to 4), the set (1 to 9999) and which
/// tasks were right (bit i for task i + 1).
struct Wynik_testu {
  int numer = 0, poziom = 0, zestaw = 0;
  unsigned dobre = 0;
};

/// The code for `wynik`, in range: twelve symbols of Crockford's base 32 in
/// groups of four ("4KQF-7M2Z-A9XD"), the same on every platform.
std::string zakoduj(const Wynik_testu& wynik);

/// The result `kod` holds, read in either case, with its dashes or none, O
/// read as 0 and I or L as 1; nothing where it does not check, which any one
/// symbol changed or two neighbours swapped never does.
std::optional<Wynik_testu> odkoduj(std::string_view kod);

}  // namespace basecoach

#endif  // BASECOACH_KOD_H_
