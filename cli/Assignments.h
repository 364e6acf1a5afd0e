#pragma once
// NAME=VALUE arguments of the command line, read and checked one way for
// every option: field texts, and the percentages given per part or output
// ("--tol R1=1"). Names are matched as a field's name is: by control id, by
// name, or by name in any case.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FormModel.h"
#include "engine/parts/PartsReport.h"

namespace cli {

struct Assignment {
    std::string name;
    std::string value;
};

// Split at the first '='. Throws UsageError "expected SYNTAX, not ..." for
// an argument without '=' or without a name.
Assignment SplitAssignment(const std::string& argument, std::string_view syntax);

// A plain decimal number read whole and finite ("5", "0.5", "2e-1");
// nothing for "", "5abc", "5 %", "inf" or "nan".
std::optional<double> ReadWholeNumber(const std::string& text);

// What the names of an option may stand for: a form's parts, its outputs.
struct NamedItems {
    std::string kind;                // "part", for messages
    std::vector<std::string> names;  // as the form names them: "R1"
    std::vector<int> fields;         // the field index of each, -1 where none shows it
};

NamedItems PartItems(const engine::parts::PartsReport& report);
NamedItems OutputItems(const engine::parts::PartsReport& report);

// The item `name` stands for: a field of the form that is one of the items,
// else an item's name (exactly, then in any case). Throws UsageError for a
// name that is no item, a field that is none of them included.
const std::string& ItemOrFail(const engine::FormModel& form, const NamedItems& items, const std::string& name,
                              std::string_view option);

// Percentages from low up to (not including) high.
struct PercentRange {
    double low = 0;
    double high = 100;
};

// Every NAME=PCT given to an option, by item name; a later one for the same
// item wins. Throws UsageError naming the option and the argument.
std::map<std::string, double> ReadPercentOptions(const engine::FormModel& form, const NamedItems& items,
                                                 const std::vector<std::string>& arguments,
                                                 std::string_view option, PercentRange range = {});

}  // namespace cli
