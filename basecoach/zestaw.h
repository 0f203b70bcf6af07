#ifndef BASECOACH_ZESTAW_H_
#define BASECOACH_ZESTAW_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace basecoach {

/// How many tasks a set has.
inline constexpr int kZadan = 10;

/// One task: write `liczba`, given in base `z`, in base `na`; or, with
/// `dzialanie` '+' or '-', compute liczba + druga or liczba - druga, both
/// given in base `z`, which `na` then equals.
struct Zadanie {
  std::int32_t liczba = 0;
  std::int32_t druga = 0;
  char dzialanie = 0;
  std::int32_t z = 10;
  std::int32_t na = 2;
};

// A class shares a set by its level and number, so a set must be the same on
// every platform: it is drawn from std::mt19937, whose sequence the standard
// fixes, seeded with level * 10000 + set, each output taken as 32 bits and
// scaled in 64-bit arithmetic. No standard distribution, shuffle or hash,
// whose results differ between libraries, and nothing that depends on
// result_type's width (64 bits on Linux, 32 on Windows and WebAssembly).
// The transcript cases in cases/ pin one set per level, and CI runs them on
// every build and package.

/// The kZadan tasks of set `numer` (1 to 9999) on level `poziom` (1 to 4),
/// easier ones first, every value from 1 to the level's largest. A task's
/// values are its number, its result and, for a sum or a difference, its
/// second number, which differs from the first: no value is in two tasks.
/// With `dziennik` (a learner's number, 1 to 99) a test's tasks of the same
/// kinds, seeded with 100000 * dziennik + 10000 * poziom + numer, which no
/// practice set shares. The same on every platform.
std::vector<Zadanie> zestaw(int poziom, int numer, int dziennik = 0);

/// The digits of a sum or a difference written column by column in its
/// base, without leading zeros: `jak` '+' adds each column's digits, '-'
/// takes the second from the first, both modulo the base (nothing carried,
/// nothing paid back); '|' takes the smaller from the larger.
std::string po_kolumnie(const Zadanie& zadanie, char jak);

/// How many bits a digit of base 8 or 16 stands for; 0 for another base.
inline std::size_t bity(std::int32_t s) { return s == 8 ? 3 : s == 16 ? 4 : 0; }

/// The value the answer to `zadanie` must have.
std::int32_t wynik(const Zadanie& zadanie);

/// The task as its line states it: "zapisz 45(10) w systemie o podstawie 2."
/// or "oblicz 11(2) + 1(2) i zapisz wynik w systemie o podstawie 2."
std::string tresc(const Zadanie& zadanie);

}  // namespace basecoach

#endif  // BASECOACH_ZESTAW_H_
