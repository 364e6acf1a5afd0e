#pragma once
// What the forms are: every form with its menu command, and one form's
// fields, modes, check boxes and list boxes.

#include <string>

#include "cli/Output.h"

namespace cli {

std::string FormListText();
Json FormListJson();
std::string FormText(const engine::FormModel& form);
Json FormJson(const engine::FormModel& form);

}  // namespace cli
