#ifndef BASECOACH_TRENING_H_
#define BASECOACH_TRENING_H_

namespace basecoach {

/// The whole practice on standard input and output: the level and the set
/// number, each task asked until an answer counts, its verdict and, when
/// wrong, the working, then the score. Runs out of input with the score so
/// far and a "Blad: " line, status 1; otherwise returns 0.
int trening();

}  // namespace basecoach

#endif  // BASECOACH_TRENING_H_
