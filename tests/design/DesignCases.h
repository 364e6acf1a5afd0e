#pragma once
// Random realistic designs for the design search tests: per form and mode
// with targets, parts drawn over their range, the circuit run forward, its
// outputs moved a little and typed as targets, the form recalculated.

#include <random>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "engine/design/DesignProblem.h"

namespace design_test {

struct DesignCase {
    const engine::FormModel* form = nullptr;
    int mode = 0;     // the mode typed in
    int asBuilt = 0;  // the mode that takes the parts
    engine::FormState state;
    engine::design::DesignOptions options;
};

// Every form with parts to choose, with the modes of it that have targets.
struct FormModes {
    const engine::FormModel* form;
    std::vector<int> modes;
};
std::vector<FormModes> DesignableForms();

// The searched space: small enough for brute force, large enough to need pruning.
engine::design::DesignOptions TestSpace(int freeParts, bool pairs);

DesignCase RandomCase(const engine::FormModel& form, int mode, std::mt19937& random, bool pairs);

// What the test works out on its own from the form state, as a user would:
// the form's values in its mode, the fields the as-built mode is given.
std::vector<double> FormValues(const DesignCase& designCase);

}  // namespace design_test
