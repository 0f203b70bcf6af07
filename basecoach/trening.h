#ifndef BASECOACH_TRENING_H_
#define BASECOACH_TRENING_H_

namespace basecoach {

/// Asks what to do (practice, a test, a worksheet or the class's results)
/// and does it; returns its status.
int lekcja();

/// Writes the levels and asks for one, 1 to 4.
int poziom();

/// The whole practice on standard input and output: the level (1 to 4) and
/// the set number, each task asked until an answer counts ("?" gives a hint,
/// counted), its verdict with the mistake named where it is known and, when
/// wrong, the working (where a person types, kept in sight until Enter),
/// then the score. With `test`, the learner's number (1 to 99) first, then
/// a test: that number's own tasks, no hint, "Przyjeto." for each answer,
/// and the score with the code for the teacher. Runs out of input with the
/// score so far (no code) and a "Blad: " line, status 1; Ctrl+C writes the
/// score so far and ends as interrupted; otherwise returns 0.
int trening(bool test = false);

/// Asks for a level and the sets of groups A and B (0: no group B; not A's)
/// and writes a worksheet for each group, then the key with the working:
/// each after a form feed, or at a terminal after a line of dashes.
int karta_pracy();

/// Reads test codes, a line each, until the end of input or "koniec";
/// names each line that does not check; then a row per learner in number
/// order (a code twice counts once, two codes for one number are marked)
/// and, for each level, how many got each task wrong. Returns 0.
int wyniki_klasy();

}  // namespace basecoach

#endif  // BASECOACH_TRENING_H_
