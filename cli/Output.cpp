#include "cli/Output.h"

#include "bind/FormBindings.h"
#include "engine/Text.h"

namespace cli {

Json ResultJson(const engine::FormModel& form, const engine::FormResult& result,
                const std::vector<int>& listSelections) {
    const bind::FormBinding& binding = bind::BindingOf(form);
    // Members are built apart and moved in: a reference into an ordered
    // object does not survive the next insertion.
    Json fields = Json::object();
    Json enabled = Json::object();
    fields.get_ref<Json::object_t&>().reserve(form.fields.size());
    enabled.get_ref<Json::object_t&>().reserve(form.fields.size());
    for (size_t i = 0; i < form.fields.size(); ++i) {
        std::string id = std::to_string(binding.fieldIds[i]);
        fields.get_ref<Json::object_t&>().emplace_back(id, engine::Latin1ToUtf8(result.texts[i]));
        enabled.get_ref<Json::object_t&>().emplace_back(std::move(id), static_cast<bool>(result.enabled[i]));
    }
    Json out{{"form", form.className}, {"fields", std::move(fields)}, {"enabled", std::move(enabled)}};
    if (!form.lists.empty()) {
        Json lists = Json::object();
        Json selections = Json::object();
        for (size_t i = 0; i < form.lists.size(); ++i) {
            const std::string id = std::to_string(binding.listIds[i]);
            Json lines = Json::array();
            if (i < result.extras.lists.size()) {
                for (const std::string& line : result.extras.lists[i])
                    lines.push_back(engine::Latin1ToUtf8(line));
            }
            lists[id] = std::move(lines);
            selections[id] = i < listSelections.size() ? listSelections[i] : -1;
        }
        out["lists"] = std::move(lists);
        out["list_sel"] = std::move(selections);
    }
    if (form.hasStatus)
        out["status"] = engine::Latin1ToUtf8(result.extras.status);
    return out;
}

std::string ResultText(const engine::FormModel& form, const engine::FormResult& result,
                       const std::vector<int>& listSelections) {
    std::string out;
    for (size_t i = 0; i < form.fields.size(); ++i) {
        out += form.fields[i].label;
        out += " = ";
        out += engine::Latin1ToUtf8(result.texts[i]);
        out += result.enabled[i] ? " (input)\n" : " (computed)\n";
    }
    if (form.hasStatus)
        out += "Status = " + engine::Latin1ToUtf8(result.extras.status) + "\n";
    for (size_t i = 0; i < form.lists.size() && i < result.extras.lists.size(); ++i) {
        out += std::string("\n") + form.lists[i].name + " :\n";
        for (size_t row = 0; row < result.extras.lists[i].size(); ++row) {
            const bool selected = i < listSelections.size() && listSelections[i] == static_cast<int>(row);
            out += selected ? "> " : "  ";
            out += engine::Latin1ToUtf8(result.extras.lists[i][row]) + "\n";
        }
    }
    return out;
}

}  // namespace cli
