#include "cli/FormRequest.h"

#include <strings.h>

#include <charconv>

#include "bind/FormBindings.h"
#include "cli/Assignments.h"
#include "engine/Forms.h"
#include "engine/Text.h"

namespace cli {

namespace {

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && ptr == end && !text.empty();
}

}  // namespace

const engine::FormModel& FindFormOrFail(const std::string& name) {
    const engine::FormModel* form = engine::FindForm(name);
    if (form == nullptr)
        throw UsageError("unknown form \"" + name + "\" (voltaris-cli list shows them)");
    return *form;
}

int FindFieldIndex(const engine::FormModel& form, const std::string& field) {
    int id = 0;
    int index = ParseInt(field, id) ? bind::BindingOf(form).FieldIndex(id) : form.FieldIndexByName(field);
    for (size_t i = 0; i < form.fields.size() && index < 0; ++i) {
        if (strcasecmp(field.c_str(), form.fields[i].name) == 0)
            index = static_cast<int>(i);
    }
    return index;
}

int FieldIndexOrFail(const engine::FormModel& form, const std::string& field) {
    const int index = FindFieldIndex(form, field);
    if (index < 0)
        throw UsageError("form " + std::string(form.className) + " has no field \"" + field + "\"");
    return index;
}

ModeChoice ParseModeOption(const std::string& option) {
    ModeChoice choice;
    const size_t colon = option.find(':');
    const bool ok = colon == std::string::npos ? ParseInt(option, choice.index)
                                               : ParseInt(option.substr(0, colon), choice.group) &&
                                                     ParseInt(option.substr(colon + 1), choice.index);
    if (!ok)
        throw UsageError("--mode takes INDEX or GROUP:INDEX, not \"" + option + "\"");
    return choice;
}

CheckChoice ParseCheckOption(const std::string& option) {
    const size_t equals = option.rfind('=');
    CheckChoice choice;
    if (equals == std::string::npos || !ParseInt(option.substr(equals + 1), choice.state) ||
        choice.state < 0 || choice.state > 1)
        throw UsageError("--check takes ID=0 or ID=1, not \"" + option + "\"");
    choice.check = option.substr(0, equals);
    return choice;
}

FieldText ParseFieldAssignment(const std::string& argument) {
    Assignment assignment = SplitAssignment(argument, "FIELD=TEXT");
    return {std::move(assignment.name), std::move(assignment.value)};
}

namespace {

size_t CheckIndexOrFail(const engine::FormModel& form, const std::string& check) {
    int id = 0;
    const bool byId = ParseInt(check, id);
    for (size_t i = 0; i < form.checks.size(); ++i) {
        if (byId ? bind::BindingOf(form).checkIds[i] == id
                 : strcasecmp(check.c_str(), form.checks[i].caption) == 0)
            return i;
    }
    throw UsageError("form " + std::string(form.className) + " has no check box \"" + check + "\"");
}

size_t ListIndexOrFail(const engine::FormModel& form, const std::string& list) {
    int id = 0;
    const bool byId = ParseInt(list, id);
    for (size_t i = 0; i < form.lists.size(); ++i) {
        if (byId && bind::BindingOf(form).listIds[i] == id)
            return i;
    }
    throw UsageError("form " + std::string(form.className) + " has no list box \"" + list + "\"");
}

}  // namespace

void Apply(const engine::FormModel& form, const FormRequest& request, engine::FormState& state) {
    for (const FieldText& entry : request.texts)
        state.texts[static_cast<size_t>(FieldIndexOrFail(form, entry.field))] =
            engine::Utf8ToLatin1(entry.text);
    for (const ModeChoice& mode : request.modes) {
        if (mode.group < 0 || mode.group >= static_cast<int>(form.radioGroups.size()))
            throw UsageError("form " + std::string(form.className) + " has no mode group " +
                             std::to_string(mode.group));
        const auto& group = form.radioGroups[static_cast<size_t>(mode.group)];
        if (mode.index < 0 || mode.index >= static_cast<int>(group.modes.size()))
            throw UsageError("mode " + std::to_string(mode.index) + " is out of range: group " +
                             std::to_string(mode.group) + " has modes 0 to " +
                             std::to_string(group.modes.size() - 1));
        state.modes[static_cast<size_t>(mode.group)] = mode.index;
    }
    for (const CheckChoice& check : request.checks)
        state.checks[CheckIndexOrFail(form, check.check)] = check.state;
    for (const auto& [list, selection] : request.listSelections)
        ListIndexOrFail(form, list);
}

std::vector<int> ListSelections(const engine::FormModel& form, const FormRequest& request,
                                const engine::FormResult& result, std::vector<std::string>& selected) {
    selected.resize(form.lists.size());
    for (const auto& [list, selection] : request.listSelections)
        selected[ListIndexOrFail(form, list)] = engine::Utf8ToLatin1(selection);
    std::vector<int> rows(form.lists.size(), -1);
    for (size_t i = 0; i < form.lists.size() && i < result.extras.lists.size(); ++i) {
        const std::vector<std::string>& lines = result.extras.lists[i];
        rows[i] = engine::MatchListLine(lines, selected[i]);
        selected[i] = rows[i] < 0 ? std::string() : lines[static_cast<size_t>(rows[i])];
    }
    return rows;
}

}  // namespace cli
