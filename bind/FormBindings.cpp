#include "bind/FormBindings.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "bind/FormRows.h"
#include "engine/Forms.h"

namespace bind {

namespace {

int IdOf(const FormRow& row, Kind kind, const char* name) {
    for (const Control& control : row.controls) {
        if (control.kind == kind && std::strcmp(control.name, name) == 0)
            return control.id;
    }
    return kUnbound;
}

FormBinding Resolve(const engine::FormModel& form, const FormRow& row) {
    FormBinding binding{
        .form = &form, .row = row, .fieldIds = {}, .modeIds = {}, .checkIds = {}, .listIds = {}};
    for (const engine::FieldModel& field : form.fields)
        binding.fieldIds.push_back(IdOf(row, Kind::kField, field.name));
    for (const engine::RadioGroupModel& group : form.radioGroups) {
        std::vector<int>& ids = binding.modeIds.emplace_back();
        for (const engine::ModeModel& mode : group.modes)
            ids.push_back(IdOf(row, Kind::kMode, mode.caption));
    }
    for (const engine::CheckModel& check : form.checks)
        binding.checkIds.push_back(IdOf(row, Kind::kCheck, check.caption));
    for (const engine::ListModel& list : form.lists)
        binding.listIds.push_back(IdOf(row, Kind::kList, list.name));
    return binding;
}

std::vector<FormBinding> ResolveAll() {
    std::vector<FormBinding> bindings;
    for (const engine::FormModel* form : engine::AllForms()) {
        const FormRow* found = nullptr;
        for (const FormRow& row : FormRows()) {
            if (std::strcmp(row.className, form->className) == 0)
                found = &row;
        }
        if (found == nullptr)
            throw std::logic_error(std::string("no binding for ") + form->className);
        bindings.push_back(Resolve(*form, *found));
    }
    return bindings;
}

int IndexOf(const std::vector<int>& ids, int controlId) {
    for (size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == controlId)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

int FormBinding::FieldIndex(int controlId) const {
    return IndexOf(fieldIds, controlId);
}
int FormBinding::CheckIndex(int controlId) const {
    return IndexOf(checkIds, controlId);
}
int FormBinding::ListIndex(int controlId) const {
    return IndexOf(listIds, controlId);
}

std::span<const FormBinding> AllBindings() {
    static const std::vector<FormBinding> bindings = ResolveAll();
    return bindings;
}

const FormBinding* FindBinding(std::string_view className) {
    for (const FormBinding& binding : AllBindings()) {
        if (className == binding.form->className)
            return &binding;
    }
    return nullptr;
}

const FormBinding& BindingOf(const engine::FormModel& form) {
    for (const FormBinding& binding : AllBindings()) {
        if (binding.form == &form)
            return binding;
    }
    const FormBinding* binding = FindBinding(form.className);
    if (binding == nullptr)
        throw std::logic_error(std::string("no binding for ") + form.className);
    return *binding;
}

const FormBinding* FindBindingByCommand(int commandId) {
    for (const FormBinding& binding : AllBindings()) {
        if (binding.CommandId() == commandId)
            return &binding;
    }
    return nullptr;
}

}  // namespace bind
