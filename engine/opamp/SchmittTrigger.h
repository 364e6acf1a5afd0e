#pragma once
// Schmitt trigger with positive feedback: the switching threshold is
// Utrig = Upwr x R1 / R2.

#include <span>

#include "engine/FormModel.h"

namespace schmitt_trigger {
enum Field { kR1, kR2, kUpwr, kUtrig };
enum Mode { kResistorsAndSupply, kThresholdAndSupply };
}  // namespace schmitt_trigger

void ComputeSchmittTrigger(std::span<double> values, std::span<const int> modes);

const engine::FormModel& SchmittTriggerModel();
