#pragma once
// What a form's circuit does when built from parts one can buy: each part's
// standard value, the form's outputs with those values, and their spread over
// the part tolerances. Plain data, for the Parts panel and the command line.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "engine/parts/ESeries.h"
#include "engine/parts/Pairs.h"

namespace engine::parts {

enum class PartKind { kResistor, kCapacitor };

const char* PartKindName(PartKind kind);  // "resistor"

struct PartsOptions {
    Series seriesR = Series::kE24;
    Series seriesC = Series::kE12;
    // By part name ("R1"), in percent; otherwise the series' (resistors) or 10 % (capacitors).
    std::map<std::string, double> tolerancePercent;
    // By part name: ranks away from the nearest standard value (-1 the one below it, +1 above).
    std::map<std::string, int> steps;
};

struct PartLine {
    std::string name;  // "R1"
    int field = -1;    // its field in the form, -1 for a part the form designs but does not show
    PartKind kind = PartKind::kResistor;
    Series series = Series::kE24;
    double formValue = 0;
    bool standardised = false;  // false when the form's value is no value to buy (0, Error)
    std::string refused;  // why not, when not standardised: "no value to choose a part for", "beyond ..."
    double standard = 0;  // the chosen value; the form's value when not standardised
    int step = 0;         // ranks from the nearest
    double below = 0;     // the standard values next to the chosen one, 0 for none
    double above = 0;
    std::optional<double> deviationPercent;  // of the chosen value from the form's
    double tolerancePercent = 0;
    std::optional<PartPair> pair;  // two parts closer to the form's value than the nearest one
    std::optional<double> pairDeviationPercent;
};

struct OutputLine {
    std::string name;  // "F"
    std::string unit;  // "Hz", UTF-8
    int field = -1;    // -1 for an output that is no field of the form
    double formValue = 0;
    double nominal = 0;  // with the standard values; kErrorValue when the circuit gives none
    std::optional<double> deviationPercent;
    double min = 0;  // over the tolerance box (corners and inside); only the working corners when some fail
    double max = 0;
    std::string noValue;        // why there is no as-built value (a part it needs has none), else empty
    std::string mostSensitive;  // the part that moves it most, empty for none
    int failedCorners = 0;
};

struct Mark {
    std::string subject;  // a part or an output
    std::string why;
};

struct PartsReport {
    std::string form;  // class name
    bool hasParts = false;
    std::string noParts;   // why not, when the form has none
    int asBuiltMode = -1;  // index in the first radio group, -1 for a form without modes
    std::string asBuiltCaption;
    bool canApply = false;  // the form can take the standard values as its inputs
    Series seriesR = Series::kE24;
    Series seriesC = Series::kE12;
    int corners = 0;
    std::vector<PartLine> parts;
    std::vector<OutputLine> outputs;
    std::vector<Mark> marks;
};

// A deviation beyond this (percent) is flagged in its row of the Parts
// panel's tables. It is no mark: marks hold only what the tables cannot show.
inline constexpr double kMarkedDeviation = 1.0;

// Whether the form has parts to buy, without analysing them.
bool HasParts(const FormModel& form);

// state: as after a recalculation of the form.
PartsReport AnalyseParts(const FormModel& form, const FormState& state, const PartsOptions& options = {});

// The form with its parts at the chosen standard values and the mode that
// takes them as inputs selected, after one recalculation; nothing for a form
// that cannot take them (no parts, or the class A stage, which designs its own).
std::optional<FormState> StandardValuesState(const FormModel& form, const FormState& state,
                                             const PartsOptions& options = {});

}  // namespace engine::parts
