#pragma once
// What a form declares for the tools beside its compute step: which of its
// fields are parts one buys, the curve it draws and the circuit it simulates.
// Plain data and function pointers on types declared elsewhere, so that a
// form's model carries them without the model header pulling in the parts,
// plot or SPICE code.

#include <vector>

namespace engine {

struct FormModel;
struct FormState;

namespace parts {

struct PartsOptions;
struct PartsReport;

// A bound the form itself sets on a field: beyond it the form shows "Error"
// or the circuit stops working.
struct FieldLimit {
    int field;
    double bound;
    bool lower;         // the field must stay above the bound (else below it)
    bool boundAllowed;  // the bound itself is still fine
    const char* why;
};

// The as-built analysis of a form whose parts are not its fields but come
// out of its own design.
using AnalyseFunction = PartsReport (*)(const FormModel& form, const FormState& state,
                                        const PartsOptions& options);

// Which fields of a form are parts one buys, and in which mode the form
// takes them all as inputs, so that its own compute step shows what a
// circuit built from them does.
struct FormParts {
    std::vector<int> parts = {};        // field indices; empty for a form with none
    std::vector<int> asBuiltMode = {};  // per mode of the first radio group
    std::vector<FieldLimit> limits = {};
    const char* noParts = "";           // why a form has none
    AnalyseFunction analyse = nullptr;  // replaces all of the above
};

}  // namespace parts

namespace plot {

struct CircuitValues;
struct PlotResult;

using PlotBuilder = PlotResult (*)(const CircuitValues& in);

struct FormPlot {
    // Fields the curve is drawn from: each must be a number above zero.
    std::vector<int> needs;
    PlotBuilder build = nullptr;  // null for a form without a curve
};

}  // namespace plot

namespace spice {

struct DeckInput;
class Netlist;

// The circuit, its source, its analysis and its measurements, from the
// form's values; null for a form that is no circuit.
using DeckBuilder = void (*)(const DeckInput& in, Netlist& deck);

}  // namespace spice

}  // namespace engine
