#pragma once
// Every form of the program, in the order of the main menu.

#include <span>
#include <string_view>

#include "engine/FormModel.h"

namespace engine {

std::span<const FormModel* const> AllForms();
// By class name ("CAstable555Dlg") or alias ("astable-555"); null when unknown.
const FormModel* FindForm(std::string_view name);

}  // namespace engine
