#pragma once
// What one calculation asks of a form: texts typed into fields, modes and
// check boxes set, list selections; applied to the form as opened.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"

namespace cli {

// A request that names what the form does not have: exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct FieldText {
    std::string field;  // control id or field name
    std::string text;   // UTF-8, as typed
};

struct ModeChoice {
    int group = 0;
    int index = 0;
};

struct CheckChoice {
    std::string check;  // control id or caption
    int state = 0;
};

struct FormRequest {
    std::vector<FieldText> texts;
    std::vector<ModeChoice> modes;
    std::vector<CheckChoice> checks;
    std::map<std::string, std::string> listSelections;  // list id -> selection text
};

const engine::FormModel& FindFormOrFail(const std::string& name);
// A field by control id, by name, or by name in any case: its index, -1 for none.
int FindFieldIndex(const engine::FormModel& form, const std::string& field);
int FieldIndexOrFail(const engine::FormModel& form, const std::string& field);

// "2" is the first group's mode 2, "1:0" the second group's mode 0.
ModeChoice ParseModeOption(const std::string& option);
// "1094=0".
CheckChoice ParseCheckOption(const std::string& option);
// "R1=4.7k" or "1171=4.7k".
FieldText ParseFieldAssignment(const std::string& argument);

// Sets the request's texts, modes and checks in a state, as the user would
// in the form. Throws UsageError for what the form does not have.
void Apply(const engine::FormModel& form, const FormRequest& request, engine::FormState& state);

// The selected line of every list box once the result's lines are in, as
// the form selects again the line that starts with the text of the one
// selected before (an empty text picks the first line). `selected` holds
// that text per list box, the request's where it gives one; on return, the
// text of the line now selected.
std::vector<int> ListSelections(const engine::FormModel& form, const FormRequest& request,
                                const engine::FormResult& result, std::vector<std::string>& selected);

}  // namespace cli
