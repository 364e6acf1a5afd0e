#pragma once
// A calculation as the dialog runs it: the form opened (defaults and one
// recalculation), the request applied, one recalculation more.

#include <vector>

#include "cli/FormRequest.h"
#include "cli/Output.h"

namespace cli {

struct Calculation {
    engine::FormState state;  // what was recalculated
    engine::FormResult result;
    std::vector<int> listSelections;
};

Calculation Calculate(const engine::FormModel& form, const FormRequest& request);

// Each step types its texts into what the previous step showed, then
// recalculates; one result per step.
std::vector<Calculation> CalculateSession(const engine::FormModel& form,
                                          const std::vector<FormRequest>& steps);

}  // namespace cli
