#include "cli/Catalogue.h"

#include <cstdio>

#include "bind/FormBindings.h"
#include "engine/Forms.h"
#include "res/menus/MainMenu.h"

namespace cli {

namespace {

// Menu texts without their mnemonic marks.
std::string Plain(const char* text) {
    std::string plain;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c != '&')
            plain += *c;
    }
    return plain;
}

struct MenuPlace {
    std::string menu, command;
};

MenuPlace FindMenuPlace(int commandId) {
    for (const menus::Menu& menu : menus::MainMenu()) {
        for (const menus::MenuItem& item : menu.items) {
            if (item.text != nullptr && item.commandId == commandId)
                return {Plain(menu.title), Plain(item.text)};
        }
    }
    return {};
}

std::string Padded(const std::string& text, size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

}  // namespace

std::string FormListText() {
    std::string out;
    for (const engine::FormModel* form : engine::AllForms()) {
        const MenuPlace place = FindMenuPlace(bind::BindingOf(*form).CommandId());
        out += Padded(form->alias, 20) + Padded(form->className, 22) + Padded(form->caption, 38) +
               place.menu + " > " + place.command + "\n";
    }
    return out;
}

Json FormListJson() {
    Json forms = Json::array();
    for (const engine::FormModel* form : engine::AllForms()) {
        const MenuPlace place = FindMenuPlace(bind::BindingOf(*form).CommandId());
        forms.push_back({{"alias", form->alias},
                         {"class", form->className},
                         {"caption", form->caption},
                         {"menu", place.menu},
                         {"command", place.command},
                         {"command_id", bind::BindingOf(*form).CommandId()}});
    }
    return forms;
}

std::string FormText(const engine::FormModel& form) {
    const bind::FormBinding& binding = bind::BindingOf(form);
    std::string out =
        std::string(form.className) + " (" + form.alias + "): " + form.caption + "\n\nFields:\n";
    for (size_t f = 0; f < form.fields.size(); ++f) {
        const engine::FieldModel& field = form.fields[f];
        out += "  " + Padded(std::to_string(binding.fieldIds[f]), 6) + Padded(field.name, 8) +
               Padded(field.label, 16) + Padded(*field.unit ? field.unit : "-", 6) + "default \"" +
               field.defaultText + "\"" + (field.keepsSign ? ", keeps its sign" : "") + "\n";
    }
    for (size_t g = 0; g < form.radioGroups.size(); ++g) {
        out += "\nModes, group " + std::to_string(g) + ":\n";
        const engine::RadioGroupModel& group = form.radioGroups[g];
        for (size_t m = 0; m < group.modes.size(); ++m) {
            out += "  " + std::to_string(m) + "  " + Padded(std::to_string(binding.modeIds[g][m]), 6) + "\"" +
                   group.modes[m].caption + "\"" +
                   (static_cast<int>(m) == group.defaultIndex ? " (default)" : "") + "\n";
        }
    }
    if (!form.checks.empty()) {
        out += "\nCheck boxes:\n";
        for (size_t c = 0; c < form.checks.size(); ++c)
            out += "  " + Padded(std::to_string(binding.checkIds[c]), 6) + "\"" + form.checks[c].caption +
                   "\" default " + std::to_string(form.checks[c].defaultState) + "\n";
    }
    if (!form.lists.empty()) {
        out += "\nList boxes:\n";
        for (size_t l = 0; l < form.lists.size(); ++l)
            out += "  " + Padded(std::to_string(binding.listIds[l]), 6) + form.lists[l].name + "\n";
    }
    return out;
}

Json FormJson(const engine::FormModel& form) {
    const bind::FormBinding& binding = bind::BindingOf(form);
    Json fields = Json::array();
    for (size_t f = 0; f < form.fields.size(); ++f) {
        const engine::FieldModel& field = form.fields[f];
        fields.push_back({{"id", binding.fieldIds[f]},
                          {"name", field.name},
                          {"label", field.label},
                          {"unit", field.unit},
                          {"quantity", engine::QuantityName(field.quantity)},
                          {"default", field.defaultText},
                          {"keeps_sign", field.keepsSign}});
    }
    Json groups = Json::array();
    for (size_t g = 0; g < form.radioGroups.size(); ++g) {
        const engine::RadioGroupModel& group = form.radioGroups[g];
        Json modes = Json::array();
        for (size_t m = 0; m < group.modes.size(); ++m)
            modes.push_back({{"id", binding.modeIds[g][m]}, {"caption", group.modes[m].caption}});
        groups.push_back({{"default", group.defaultIndex}, {"modes", std::move(modes)}});
    }
    Json checks = Json::array();
    for (size_t c = 0; c < form.checks.size(); ++c)
        checks.push_back({{"id", binding.checkIds[c]},
                          {"caption", form.checks[c].caption},
                          {"default", form.checks[c].defaultState}});
    Json lists = Json::array();
    for (size_t l = 0; l < form.lists.size(); ++l)
        lists.push_back({{"id", binding.listIds[l]}, {"name", form.lists[l].name}});
    return Json{{"class", form.className},     {"alias", form.alias},        {"caption", form.caption},
                {"fields", std::move(fields)}, {"modes", std::move(groups)}, {"checks", std::move(checks)},
                {"lists", std::move(lists)}};
}

}  // namespace cli
