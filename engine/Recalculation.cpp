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

FormState Normalised(const FormModel& form, const FormState& state) {
    FormState out;
    out.texts = state.texts;
    out.texts.resize(form.fields.size());
    for (size_t g = 0; g < form.radioGroups.size(); ++g) {
        const int mode = g < state.modes.size() ? state.modes[g] : -1;
        const bool inRange = mode >= 0 && mode < static_cast<int>(form.radioGroups[g].modes.size());
        out.modes.push_back(inRange ? mode : -1);
    }
    for (size_t i = 0; i < form.checks.size(); ++i) {
        const int check = i < state.checks.size() ? state.checks[i] : 0;
        out.checks.push_back(check >= 0 && check <= 2 ? check : 0);
    }
    return out;
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
    const FormState given = Normalised(form, state);
    std::vector<double> values = ParseFields(form, given.texts);
    result.enabled = EnabledFields(form, given.modes, given.checks);
    Compute(form, values, given.modes, given.checks, &result.extras);
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
