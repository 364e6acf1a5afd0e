#pragma once
// Reservoir capacitor after a rectifier: load current, ripple and
// capacitance tied by the rectifier's time coefficient, C = k I / DeltaU.

#include <span>

#include "engine/FormModel.h"

namespace filter_cap {
enum Field { kC, kDeltaU, kI };
enum Knowns { kIAndDeltaU, kCAndI, kCAndDeltaU };
enum Rectifier { kHalfWave, kFullWave };
}  // namespace filter_cap

// modes[0] is the knowns index, modes[1] the rectifier index.
void ComputeFilterCap(std::span<double> values, std::span<const int> modes);

const engine::FormModel& FilterCapModel();
