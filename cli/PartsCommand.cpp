// parts: the standard parts of a calculation and the circuit built from them.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/Assignments.h"
#include "cli/CalcOptions.h"
#include "cli/Command.h"
#include "cli/Features.h"
#include "engine/Text.h"
#include "engine/parts/PartsText.h"

namespace cli {

namespace {

struct PartsCommandOptions {
    CalcOptions calc;
    std::string seriesR = "E24";
    std::string seriesC = "E12";
    std::vector<std::string> tolerances;  // PART=PCT
};

int RunParts(const PartsCommandOptions& options) {
    engine::parts::PartsOptions parts;
    parts.seriesR = SeriesOrFail(options.seriesR);
    parts.seriesC = SeriesOrFail(options.seriesC);
    const Calculated calculated = CalculateOrFail(options.calc);
    // As the recalculation was given it: the parts recompute the form from it.
    const engine::FormState& state = calculated.calculation.state;
    if (!options.tolerances.empty()) {
        const NamedItems items = PartItems(engine::parts::AnalyseParts(calculated.form, state, parts));
        parts.tolerancePercent = ReadPercentOptions(calculated.form, items, options.tolerances, "--tol");
    }
    const auto report = engine::parts::AnalyseParts(calculated.form, state, parts);
    Print(options.calc.json ? PartsJson(report).dump(2) + "\n"
                            : engine::Latin1ToUtf8(engine::parts::PartsText(report)));
    return 0;
}

}  // namespace

Command AddPartsCommand(CLI::App& program) {
    auto options = std::make_shared<PartsCommandOptions>();
    CLI::App* parts = program.add_subcommand(
        "parts", "Standard parts for a calculation: values to buy, what the circuit does with them");
    AddCalcOptions(*parts, options->calc);
    parts->add_option("--series-r", options->seriesR, "Series of the resistors (default E24)");
    parts->add_option("--series-c", options->seriesC, "Series of the capacitors (default E12)");
    parts->add_option("--tol", options->tolerances, "Tolerance of a part in percent, PART=PCT")
        ->type_name("PART=PCT")
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    parts->add_flag("--json", options->calc.json, "Print JSON");
    return {parts, [options] { return RunParts(*options); }};
}

}  // namespace cli
