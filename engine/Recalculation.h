#pragma once
// One recalculation, the same for every form: field texts, mode indices and
// check states in; field texts, enabled states, list lines and the status
// line out. What a dialog shows after Tab is exactly what this returns.

#include <span>
#include <string>
#include <vector>

#include "engine/FormModel.h"

namespace engine {

struct FormState {
    std::vector<std::string> texts;  // one per field, Latin-1
    std::vector<int> modes;          // one per radio group, -1 when none is checked
    std::vector<int> checks;         // one per check box: 0, 1 (or 2, indeterminate)
};

struct FormResult {
    std::vector<std::string> texts;  // one per field, in field notation
    std::vector<bool> enabled;       // one per field: does the user type it?
    FormExtras extras;               // list lines and status, for forms that have them
};

// A state completed the one way the dialog completes it: one text per field
// (missing ones empty), one mode per radio group (-1, no button checked, for
// a missing or out-of-range one), one state per check box (0 for a missing
// or out-of-range one). Recalculation, parts, plots and decks all read it.
FormState Normalised(const FormModel& form, const FormState& state);

// The state of a form as it opens, before its first recalculation.
FormState DefaultState(const FormModel& form);

// The fields as the compute step takes them: magnitudes unless the field keeps its sign.
std::vector<double> ParseFields(const FormModel& form, std::span<const std::string> texts);

// Runs the compute step on parsed values in place; extras may be null when
// only the numbers matter.
void Compute(const FormModel& form, std::span<double> values, std::span<const int> modes,
             std::span<const int> checks, FormExtras* extras);

// The fields the user types in the given modes and checks.
std::vector<bool> EnabledFields(const FormModel& form, std::span<const int> modes,
                                std::span<const int> checks);

FormResult Recalculate(const FormModel& form, const FormState& state);

// The state the form shows once opened: defaults, then one recalculation.
FormState OpenedState(const FormModel& form);

// The list line a saved selection text picks again after the lines were
// refilled: the first that starts with it, ignoring case (so an empty
// selection picks the first line); -1 for none.
int MatchListLine(std::span<const std::string> lines, const std::string& selection);

}  // namespace engine
