#pragma once
// RC low-pass filter.

#include "engine/FormModel.h"
#include "engine/filters/RcFilter.h"

const engine::FormModel& RcLowPassModel();
