// copy: the text the form's "Copy values" puts on the clipboard.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/CalcOptions.h"
#include "cli/Command.h"
#include "engine/spice/CopyValues.h"

namespace cli {

Command AddCopyCommand(CLI::App& program) {
    auto options = std::make_shared<CalcOptions>();
    CLI::App* copy = program.add_subcommand("copy", "The text \"Copy values\" puts on the clipboard");
    AddCalcOptions(*copy, *options);
    return {copy, [options] {
                const Calculated calculated = CalculateOrFail(*options);
                Print(engine::CopyValuesText(calculated.form, calculated.calculation.result.texts));
                return 0;
            }};
}

}  // namespace cli
