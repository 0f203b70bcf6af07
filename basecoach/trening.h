#ifndef BASECOACH_TRENING_H_
#define BASECOACH_TRENING_H_

namespace basecoach {

/// The whole practice on standard input and output: the level (1 to 4) and
/// the set number, each task asked until an answer counts ("?" gives a hint,
/// counted), its verdict with the mistake named where it is known and, when
/// wrong, the working (where a person types, kept in sight until Enter),
/// then the score. Runs out of input with the score so far and a "Blad: "
/// line, status 1; Ctrl+C writes the score so far and ends as interrupted;
/// otherwise returns 0.
int trening();

}  // namespace basecoach

#endif  // BASECOACH_TRENING_H_
