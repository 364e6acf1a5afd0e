// batch: JSON lines in, JSON lines out.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/Batch.h"
#include "cli/Command.h"

namespace cli {

Command AddBatchCommand(CLI::App& program) {
    CLI::App* batch = program.add_subcommand(
        "batch", "One JSON request per line on standard input, one JSON result per line out");
    return {batch, [] {
                std::ios::sync_with_stdio(false);
                RunBatch(std::cin, std::cout);
                return 0;
            }};
}

}  // namespace cli
