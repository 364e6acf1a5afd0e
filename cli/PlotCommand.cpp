// plot: the curve of a calculation as data and as a picture.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <memory>

#include "cli/CalcOptions.h"
#include "cli/Command.h"
#include "cli/Features.h"
#include "engine/plot/PlotFiles.h"
#include "engine/plot/Plots.h"

namespace cli {

namespace {

struct PlotCommandOptions {
    CalcOptions calc;
    bool csv = false;  // the default; the flag says so
    std::string svgFile;
};

int RunPlot(const PlotCommandOptions& options) {
    const Calculated calculated = CalculateOrFail(options.calc);
    if (!engine::plot::HasPlot(calculated.form))
        throw UsageError(std::string(calculated.form.className) + " has no plot");
    const engine::plot::PlotResult result =
        engine::plot::MakePlot(calculated.form, calculated.calculation.state);
    // A curve that cannot be drawn is refused as a deck that cannot be simulated is: status 2.
    if (!result.plot)
        throw UsageError("nothing to plot: " + result.message);
    if (!options.svgFile.empty()) {
        std::ofstream file(options.svgFile, std::ios::binary);
        file << engine::plot::PlotSvg(*result.plot);
        if (!file) {
            std::fprintf(stderr, "voltaris-cli: cannot write %s\n", options.svgFile.c_str());
            return 1;
        }
    }
    Print(options.calc.json ? PlotJson(*result.plot).dump() + "\n" : engine::plot::PlotCsv(*result.plot));
    return 0;
}

}  // namespace

Command AddPlotCommand(CLI::App& program) {
    auto options = std::make_shared<PlotCommandOptions>();
    CLI::App* plot =
        program.add_subcommand("plot", "The curve of a calculation: CSV or JSON data, an SVG picture");
    AddCalcOptions(*plot, options->calc);
    plot->add_flag("--csv", options->csv, "Print the data as CSV (the default)");
    plot->add_flag("--json", options->calc.json, "Print the data as JSON");
    plot->add_option("--svg", options->svgFile, "Also write the picture as SVG to FILE")->type_name("FILE");
    return {plot, [options] { return RunPlot(*options); }};
}

}  // namespace cli
