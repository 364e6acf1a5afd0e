#pragma once
// What the engine knows of one calculator form: its fields, modes, check
// boxes, list boxes and compute step, by name. The dialog, the command line,
// the fuzzer and the benchmarks all run a form through this one description;
// which control shows which element is the binding table's business (bind/).

#include <span>
#include <string>
#include <vector>

#include "engine/FormFeatures.h"

namespace engine {

// The kind of quantity a field holds, for tools that pick parts, plot or
// simulate; the field notation itself is the same for all.
enum class Quantity {
    kResistance,
    kCapacitance,
    kInductance,
    kTime,
    kFrequency,
    kVoltage,
    kCurrent,
    kPower,
    kGain,
    kRatio,
    kPercent,
    kCount,
    kLength,
    kTemperature,
    kThermalResistance,
};

const char* QuantityName(Quantity quantity);

struct FieldModel {
    const char* name;   // short name, as in the formulas: "R1"
    const char* label;  // the label beside the field (UTF-8): "R1 (ohm)"
    const char* unit;   // "ohm", "F", "" for a plain number (UTF-8)
    Quantity quantity;
    const char* defaultText;
    bool keepsSign = false;  // most quantities are taken as magnitudes
};

struct ModeModel {
    const char* caption;
};

struct RadioGroupModel {
    std::vector<ModeModel> modes;  // the first starts the group
    int defaultIndex = 0;
};

struct CheckModel {
    const char* caption;
    int defaultState = 0;
};

struct ListModel {
    const char* name;
};

// Everything a recalculation hands back besides the field values.
struct FormExtras {
    std::vector<std::vector<std::string>> lists;  // one per list box, lines in Latin-1
    std::string status;
};

// values: one per field, in the model's field order, parsed (magnitudes
// unless the field keeps its sign); modes: one index per radio group, -1 when
// no button is checked. Computes the unknowns in place.
using ComputeFunction = void (*)(std::span<double> values, std::span<const int> modes);

// A form whose outcome is more than its fields: it reads its check boxes and
// fills its list boxes and status line. Replaces the compute step.
using DesignFunction = void (*)(std::span<double> values, std::span<const int> checks, FormExtras* extras);

// Which fields take input when the form's inputs follow its check boxes
// rather than its first radio group.
using EnableFunction = void (*)(std::span<const int> checks, std::vector<bool>& enabled);

// What names a form, for the forms that share one model but for these.
struct FormName {
    const char* className;
    const char* alias;
    const char* caption;
};

struct FormModel {
    const char* className;  // "CAstable555Dlg"
    const char* alias;      // "astable-555", for the command line
    const char* caption;    // the dialog's title
    std::vector<FieldModel> fields;
    std::vector<RadioGroupModel> radioGroups;
    // Per mode of the first radio group: the indices of the fields the user
    // types; every other field is disabled.
    std::vector<std::vector<int>> inputsByMode;
    ComputeFunction compute = nullptr;
    std::vector<CheckModel> checks = {};
    std::vector<ListModel> lists = {};
    bool hasStatus = false;  // a status line the form writes
    const char* statusDefault = "";
    DesignFunction design = nullptr;
    EnableFunction enable = nullptr;
    parts::FormParts parts = {};
    plot::FormPlot plot = {};
    spice::DeckBuilder deck = nullptr;

    // -1 when the form has no such field.
    int FieldIndexByName(std::string_view name) const;
};

// A model with the names of a form set, the rest to fill in: for builders
// shared by several forms.
FormModel NamedModel(const FormName& name);

}  // namespace engine
