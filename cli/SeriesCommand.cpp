// series: one decade of a standard series.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/Command.h"

namespace cli {

Command AddSeriesCommand(CLI::App& program) {
    auto name = std::make_shared<std::string>();
    CLI::App* series = program.add_subcommand("series", "The values of one decade of a standard series");
    series->add_option("SERIES", *name, "E3, E6, E12, E24, E48, E96 or E192")->required();
    return {series, [name] {
                std::string out;
                for (const double value : engine::parts::SeriesDecade(SeriesOrFail(*name))) {
                    char text[32];
                    std::snprintf(text, sizeof text, "%.2f\n", value);
                    out += text;
                }
                Print(out);
                return 0;
            }};
}

}  // namespace cli
