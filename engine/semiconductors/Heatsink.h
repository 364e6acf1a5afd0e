#pragma once
// Thermal chain of a power component on a heatsink: junction to package,
// package to heatsink, heatsink to air. Given all but one of RthHA, Ta and
// Tjmax, computes the missing one.

#include <span>

#include "engine/FormModel.h"

namespace heatsink {
enum Field { kRthHA, kRthPH, kRthJP, kTa, kTjmax, kPmax };
enum Mode { kAllButRthHA, kAllButTa, kAllButTjmax };
}  // namespace heatsink

void ComputeHeatsink(std::span<double> values, std::span<const int> modes);

const engine::FormModel& HeatsinkModel();
