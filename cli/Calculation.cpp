#include "cli/Calculation.h"

#include <unordered_map>

namespace cli {

namespace {

struct OpenedForm {
    engine::FormState state;
    std::vector<std::string> selected;  // the list lines selected at opening
};

// A form always opens the same way: worked out once per form and process.
// Its first recalculation fills the lists, and the empty selection of a new
// form picks each list's first line, as in the window.
const OpenedForm& Opened(const engine::FormModel& form) {
    static std::unordered_map<const engine::FormModel*, OpenedForm> opened;
    auto it = opened.find(&form);
    if (it == opened.end()) {
        OpenedForm entry{engine::DefaultState(form), {}};
        const engine::FormResult first = engine::Recalculate(form, entry.state);
        entry.state.texts = first.texts;
        ListSelections(form, FormRequest{}, first, entry.selected);
        it = opened.emplace(&form, std::move(entry)).first;
    }
    return it->second;
}

}  // namespace

std::vector<Calculation> CalculateSession(const engine::FormModel& form,
                                          const std::vector<FormRequest>& steps) {
    std::vector<Calculation> calculations;
    const OpenedForm& opened = Opened(form);
    engine::FormState state = opened.state;
    std::vector<std::string> selected = opened.selected;
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
