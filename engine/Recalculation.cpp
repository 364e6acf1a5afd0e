#include "engine/Recalculation.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/EngValue.h"

namespace engine {

FormState DefaultState(const FormModel& form) {
    FormState state;
    for (const FieldModel& field : form.fields)
        state.texts.emplace_back(field.defaultText);
    for (const RadioGroupModel& group : form.radioGroups)
        state.modes.push_back(group.defaultIndex);
    for (const CheckModel& check : form.checks)
        state.checks.push_back(check.defaultState);
    return state;
}

std::vector<double> ParseFields(const FormModel& form, std::span<const std::string> texts) {
    std::vector<double> values(form.fields.size());
    for (size_t i = 0; i < values.size() && i < texts.size(); ++i) {
        const double value = ParseEngValue(texts[i]);
        values[i] = form.fields[i].keepsSign ? value : std::fabs(value);
    }
    return values;
}

void Compute(const FormModel& form, std::span<double> values, std::span<const int> modes,
             std::span<const int> checks, FormExtras* extras) {
    if (form.design != nullptr)
        form.design(values, checks, extras);
    else
        form.compute(values, modes);
}

std::vector<bool> EnabledFields(const FormModel& form, std::span<const int> modes,
                                std::span<const int> checks) {
    std::vector<bool> enabled(form.fields.size(), true);
    if (form.enable != nullptr) {
        form.enable(checks, enabled);
        return enabled;
    }
    if (modes.empty() || modes[0] < 0 || modes[0] >= static_cast<int>(form.inputsByMode.size()))
        return enabled;
    const std::vector<int>& inputs = form.inputsByMode[static_cast<size_t>(modes[0])];
    for (size_t i = 0; i < enabled.size(); ++i)
        enabled[i] = std::find(inputs.begin(), inputs.end(), static_cast<int>(i)) != inputs.end();
    return enabled;
}

FormResult Recalculate(const FormModel& form, const FormState& state) {
    FormResult result;
    std::vector<double> values = ParseFields(form, state.texts);
    // Exactly one entry per group and check box, whatever the caller passed.
    std::vector<int> modes(form.radioGroups.size(), -1);
    std::copy_n(state.modes.begin(), std::min(modes.size(), state.modes.size()), modes.begin());
    std::vector<int> checks(form.checks.size(), 0);
    std::copy_n(state.checks.begin(), std::min(checks.size(), state.checks.size()), checks.begin());
    result.enabled = EnabledFields(form, modes, checks);
    Compute(form, values, modes, checks, &result.extras);
    result.texts.reserve(values.size());
    for (const double value : values)
        result.texts.push_back(FormatEngValue(value));
    return result;
}

FormState OpenedState(const FormModel& form) {
    FormState state = DefaultState(form);
    state.texts = Recalculate(form, state).texts;
    return state;
}

int MatchListLine(std::span<const std::string> lines, const std::string& selection) {
    for (size_t row = 0; row < lines.size(); ++row) {
        const std::string& line = lines[row];
        if (line.size() >= selection.size() &&
            std::equal(selection.begin(), selection.end(), line.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return static_cast<int>(row);
    }
    return -1;
}

}  // namespace engine
