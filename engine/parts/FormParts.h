#pragma once
// Which fields of a form are parts one buys, and in which mode the form
// takes them all as inputs, so that its own compute step shows what a
// circuit built from them does.

#include <vector>

#include "engine/FormModel.h"

namespace engine::parts {

// A bound the form itself sets on a field: beyond it the form shows "Error"
// or the circuit stops working.
struct FieldLimit {
    int field;
    double bound;
    bool lower;         // the field must stay above the bound (else below it)
    bool boundAllowed;  // the bound itself is still fine
    const char* why;
};

struct FormParts {
    const FormModel& (*model)();
    std::vector<int> parts;        // field indices; empty for a form with none
    std::vector<int> asBuiltMode;  // per mode of the first radio group
    std::vector<FieldLimit> limits = {};
    const char* noParts = "";  // why a form has none
};

// The declaration of a form; null for the class A stage, whose parts are not
// fields but come out of its design, and for a form without a declaration.
const FormParts* FindFormParts(const FormModel& form);

}  // namespace engine::parts
