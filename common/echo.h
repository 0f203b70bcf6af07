#ifndef COMMON_ECHO_H_
#define COMMON_ECHO_H_

#include <string>

// A typed word written back, so that it cannot command a terminal.

/// `slowo` as it may be echoed: on a terminal with '?' for every byte the
/// terminal might take as a command, the control characters (below 0x20 and
/// 0x7F) and every byte above 0x7F, which 8-bit terminals read as control
/// codes too; into a file or a pipe unchanged.
std::string do_echa(std::string slowo);

#endif  // COMMON_ECHO_H_
