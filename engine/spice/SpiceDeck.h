#pragma once
// SPICE decks of the forms that are circuits: the form's circuit with its
// values, a source, the analysis that shows the form's result and one
// .meas per result, named after it. Plain SPICE that ngspice runs in batch
// mode (`ngspice -b deck.cir`) with nothing beside it.

#include <map>
#include <string>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"

namespace engine {

enum class OpampModel {
    kIdeal,  // a controlled source of gain 10^6
    kGbw,    // one pole: 100 dB, 1 MHz gain-bandwidth, output clipped at the rails
};

struct SpiceOptions {
    OpampModel opamp = OpampModel::kIdeal;
    // Values (SI) that replace the form's own, by field index: the standard
    // parts the circuit is built with.
    std::map<int, double> partValues;
    // The same by part name, for the parts a form designs but shows in no
    // field (the class A stage's "Re", "Cin"...).
    std::map<std::string, double> namedParts;
};

// One measurement of a deck and what the form says it should be.
struct SpiceMeasure {
    std::string name;  // the .meas name, lower case: "fc", "th"
    double formValue;
    std::string formText = {};  // the field's text when the form shows it, as it shows it
};

struct SpiceDeckResult {
    std::string text;                    // empty when the form has no circuit
    std::vector<SpiceMeasure> measures;  // empty when the values cannot be simulated
    std::string refusal;                 // why not, then
};

bool HasSpiceDeck(const FormModel& form);

// state: the form's texts, modes and checks after a recalculation.
SpiceDeckResult BuildSpiceDeck(const FormModel& form, const FormState& state, const SpiceOptions& options);
std::string SpiceDeck(const FormModel& form, const FormState& state, const SpiceOptions& options = {});

}  // namespace engine
