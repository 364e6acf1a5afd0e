#pragma once
// The subcommands of voltaris-cli. Each adds itself and its options to the
// program and hands back what runs it once the arguments are parsed.

#include <functional>
#include <string>

#include "engine/parts/ESeries.h"

namespace CLI {
class App;
}

namespace cli {

struct Command {
    CLI::App* app;             // the subcommand, to tell whether it was chosen
    std::function<int()> run;  // the exit status; throws UsageError for bad usage
};

using AddCommand = Command (*)(CLI::App& program);

Command AddListCommand(CLI::App& program);
Command AddShowCommand(CLI::App& program);
Command AddCalcCommand(CLI::App& program);
Command AddBatchCommand(CLI::App& program);
Command AddPartsCommand(CLI::App& program);
Command AddSeriesCommand(CLI::App& program);
Command AddSpiceCommand(CLI::App& program);
Command AddCopyCommand(CLI::App& program);
Command AddPlotCommand(CLI::App& program);

// Standard output as it is, UTF-8 bytes and all.
void Print(const std::string& text);

// "E24"; throws UsageError for a name that is no series.
engine::parts::Series SeriesOrFail(const std::string& name);

}  // namespace cli
