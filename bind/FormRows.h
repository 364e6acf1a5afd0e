#pragma once
// The table itself: one row per form, written by name (FormRows.cpp).

#include <span>

#include "bind/FormBindings.h"

namespace bind {

// In any order; each row names its form by class name.
std::span<const FormRow> FormRows();

}  // namespace bind
