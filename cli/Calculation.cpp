#include "cli/Calculation.h"

namespace cli {

std::vector<Calculation> CalculateSession(const engine::FormModel& form,
                                          const std::vector<FormRequest>& steps) {
    std::vector<Calculation> calculations;
    engine::FormState state = engine::OpenedState(form);
    std::vector<std::string> selected(form.lists.size());
    for (const FormRequest& step : steps) {
        Apply(form, step, state);
        Calculation calculation{state, engine::Recalculate(form, state), {}};
        calculation.listSelections = ListSelections(form, step, calculation.result, selected);
        state.texts = calculation.result.texts;
        calculations.push_back(std::move(calculation));
    }
    return calculations;
}

Calculation Calculate(const engine::FormModel& form, const FormRequest& request) {
    return std::move(CalculateSession(form, {request}).front());
}

}  // namespace cli
