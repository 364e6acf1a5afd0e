// spice: the calculation's circuit as a deck for ngspice.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/CalcOptions.h"
#include "cli/Command.h"
#include "cli/Features.h"
#include "engine/spice/SpiceDeck.h"

namespace cli {

namespace {

struct SpiceCommandOptions {
    CalcOptions calc;
    bool asBuilt = false;
    std::string opamp = "ideal";
};

int RunSpice(const SpiceCommandOptions& options) {
    const Calculated calculated = CalculateOrFail(options.calc);
    if (!engine::HasSpiceDeck(calculated.form))
        throw UsageError(std::string(calculated.form.className) + " is no circuit to simulate");
    const engine::FormState state = calculated.Shown();
    engine::SpiceOptions spice;
    spice.opamp = options.opamp == "gbw" ? engine::OpampModel::kGbw : engine::OpampModel::kIdeal;
    Print(SpiceDeckOrRefuse(calculated.form, state, spice, options.asBuilt));
    return 0;
}

}  // namespace

Command AddSpiceCommand(CLI::App& program) {
    auto options = std::make_shared<SpiceCommandOptions>();
    CLI::App* spice =
        program.add_subcommand("spice", "The calculation's circuit as a SPICE deck for ngspice");
    AddCalcOptions(*spice, options->calc);
    spice->add_flag("--as-built", options->asBuilt, "With the standard values of the parts");
    spice->add_option("--opamp", options->opamp, "Op-amp model: ideal or gbw (1 MHz, rails)")
        ->check(CLI::IsMember({"ideal", "gbw"}));
    return {spice, [options] { return RunSpice(*options); }};
}

}  // namespace cli
