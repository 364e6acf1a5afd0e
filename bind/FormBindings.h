#pragma once
// The one place where the dialogs' control ids meet the engine's names. Per
// form: its model, its dialog template, the menu command that opens it, its
// help topic, and the control of each field, mode, check box and list box,
// of Close, Help and the status line. The dialogs bind through it, the menu
// window opens forms through it, the command line takes its JSON keys from it.
// No Qt.

#include <span>
#include <string_view>
#include <vector>

#include "engine/FormModel.h"
#include "platform/DialogTemplate.h"

namespace bind {

enum class Kind { kField, kMode, kCheck, kList };

// One control of a dialog, by the name the model gives its element: a
// field's name, a mode's or a check box's caption, a list box's name.
struct Control {
    Kind kind;
    const char* name;
    int id;
};

constexpr Control Field(const char* name, int id) {
    return {Kind::kField, name, id};
}
constexpr Control Mode(const char* caption, int id) {
    return {Kind::kMode, caption, id};
}
constexpr Control Check(const char* caption, int id) {
    return {Kind::kCheck, caption, id};
}
constexpr Control List(const char* name, int id) {
    return {Kind::kList, name, id};
}

inline constexpr int kNoStatus = 0;
inline constexpr int kUnbound = -1;  // an element no control of the row names

// A row of the table as written.
struct FormRow {
    const char* className;
    const platform::DialogTemplate& (*dialog)();
    int commandId;
    int helpTopic;
    int closeId;
    int helpId;
    int statusId;  // kNoStatus when the form has no status line
    std::vector<Control> controls;
};

// A row with its controls laid out in the model's order.
struct FormBinding {
    const engine::FormModel* form;
    FormRow row;
    std::vector<int> fieldIds;              // one per field
    std::vector<std::vector<int>> modeIds;  // one per mode of each radio group
    std::vector<int> checkIds;              // one per check box
    std::vector<int> listIds;               // one per list box

    const platform::DialogTemplate& Dialog() const { return row.dialog(); }
    int CommandId() const { return row.commandId; }
    int HelpTopic() const { return row.helpTopic; }
    int CloseId() const { return row.closeId; }
    int HelpId() const { return row.helpId; }
    int StatusId() const { return row.statusId; }
    bool HasStatus() const { return row.statusId != kNoStatus; }
    // -1 when no field, check box or list box has that id.
    int FieldIndex(int controlId) const;
    int CheckIndex(int controlId) const;
    int ListIndex(int controlId) const;
};

// In the order of engine::AllForms().
std::span<const FormBinding> AllBindings();
// The binding of a form of engine::AllForms().
const FormBinding& BindingOf(const engine::FormModel& form);
// By class name ("CRcLowPassDlg"); null when unknown.
const FormBinding* FindBinding(std::string_view className);
const FormBinding* FindBindingByCommand(int commandId);

}  // namespace bind
