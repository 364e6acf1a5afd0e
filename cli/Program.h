#pragma once
// voltaris-cli from its arguments to its exit status: 0 done, 1 nothing to
// give (a plot without a curve), 2 bad usage with the reason on standard error.

namespace cli {

int RunProgram(int argc, char** argv);

}  // namespace cli
