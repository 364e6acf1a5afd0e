// calc: one calculation, every field as the form shows it.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/CalcOptions.h"
#include "cli/Command.h"

namespace cli {

Command AddCalcCommand(CLI::App& program) {
    auto options = std::make_shared<CalcOptions>();
    CLI::App* calc =
        program.add_subcommand("calc", "Open a form, type the given texts, recalculate, print every field");
    AddCalcOptions(*calc, *options);
    calc->add_flag("--json", options->json, "Print one JSON object");
    return {calc, [options] {
                const Calculated calculated = CalculateOrFail(*options);
                const Calculation& c = calculated.calculation;
                Print(options->json ? ResultJson(calculated.form, c.result, c.listSelections).dump() + "\n"
                                    : ResultText(calculated.form, c.result, c.listSelections));
                return 0;
            }};
}

}  // namespace cli
