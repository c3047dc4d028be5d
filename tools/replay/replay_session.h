#pragma once

#include <iosfwd>

namespace tavrel::replay {

enum ExitStatus { Ok = 0, RunTimeFailure = 1, MalformedLine = 2 };

// Drives a fresh system with the events read from `in`, one per line, writing
// each dump (and a final one) to `out` as one line of JSON. A malformed line is
// reported on `err` with its number and stops the run; dumps already written stay.
// So does a run-time error (an overflow) in a particle command, which writes
// nothing for its line and leaves out the final dump.
int runReplay(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tavrel::replay
