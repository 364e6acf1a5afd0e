#pragma once
// What every subcommand that calculates a form takes (calc, parts, spice,
// copy, plot): the form, its modes and check boxes, the texts typed into
// its fields.

#include <string>
#include <vector>

#include "cli/Calculation.h"

namespace CLI {
class App;
}

namespace cli {

// The notation of field texts, for the help of the program and its subcommands.
extern const char* const kNotationHelp;

struct CalcOptions {
    std::string form;
    std::vector<std::string> modes;
    std::vector<std::string> checks;
    std::vector<std::string> assignments;  // FIELD=TEXT
    bool json = false;
};

void AddCalcOptions(CLI::App& command, CalcOptions& options);

struct Calculated {
    const engine::FormModel& form;
    Calculation calculation;

    // The form as the calculation leaves it: its state with the texts it shows.
    engine::FormState Shown() const;
};

// The form calculated as the options ask; each typed text of an input that
// the notation reads only in part is noted on standard error.
Calculated CalculateOrFail(const CalcOptions& options);

// "note: C: '10u' read as 10; the micro prefix is µ", empty for a text read
// whole. `typed` in UTF-8.
std::string PartlyReadNote(const std::string& field, const std::string& typed);

}  // namespace cli
