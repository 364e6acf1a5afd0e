#pragma once
// RC high-pass filter.

#include "engine/FormModel.h"
#include "engine/filters/RcFilter.h"

const engine::FormModel& RcHighPassModel();
