#pragma once
// A recalculation's result as the command line prints it: lines of text, or
// one JSON object.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"

namespace cli {

using Json = nlohmann::ordered_json;

// {"form", "fields", "enabled", then "lists", "list_sel" and "status" where
// the form has them}.
Json ResultJson(const engine::FormModel& form, const engine::FormResult& result,
                const std::vector<int>& listSelections);

// One line per field: "label = text (input)" or "(computed)", then the
// status line and the list boxes where the form has them.
std::string ResultText(const engine::FormModel& form, const engine::FormResult& result,
                       const std::vector<int>& listSelections);

}  // namespace cli
