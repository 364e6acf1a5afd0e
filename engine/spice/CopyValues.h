#pragma once
// The form as plain text, for the clipboard: the caption, then one
// "label text" line per field.

#include <string>
#include <vector>

#include "engine/FormModel.h"

namespace engine {

// texts: the field texts (Latin-1) as the form shows them. The result is
// UTF-8, like the labels: "C (Farad) 10.00 \u00b5" for a Latin-1 "10.00 \xb5".
std::string CopyValuesText(const FormModel& form, const std::vector<std::string>& texts);

}  // namespace engine
