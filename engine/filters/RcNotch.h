#pragma once
// RC twin-T notch filter; its Fc is the rejected frequency.

#include "engine/FormModel.h"
#include "engine/filters/RcFilter.h"

const engine::FormModel& RcNotchModel();
