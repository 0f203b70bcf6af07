#include <cstdlib>
#include <cstring>

// Each program's own main, renamed for this build (see add_program).
int basequiz_main();
int basetour_main();
int bitstep_main();
int radixval_main();
int pairops_main();
int basecoach_main();

// Runs the program the page names as the first argument. Its end goes through
// exit(): with the program resumed after a wait for input, a return from main
// would leave the runtime up, its output unflushed and the page unaware.
int main(int argc, char** argv) {
  static const struct {
    const char* nazwa;
    int (*main)();
  } programy[] = {{"basequiz", basequiz_main}, {"basetour", basetour_main},
                  {"bitstep", bitstep_main},   {"radixval", radixval_main},
                  {"pairops", pairops_main},   {"basecoach", basecoach_main}};
  for (const auto& program : programy) {
    if (argc > 1 && std::strcmp(argv[1], program.nazwa) == 0) {
      std::exit(program.main());
    }
  }
  std::exit(2);
}
