#pragma once
// Many calculations in one process: one JSON request per input line, one
// JSON result per output line.

#include <iosfwd>

namespace cli {

// Returns the number of lines answered with an error.
int RunBatch(std::istream& in, std::ostream& out);

}  // namespace cli
