#pragma once
// Shunt zener regulator: series resistor R from an input between Umin and
// Umax, zener Uz / Pzmax across the output, load drawing up to Icmax.
// Sizes R and the load limits, the zener power, or the tolerated input range.

#include <span>

#include "engine/FormModel.h"

namespace zener {
enum Field { kUmax, kUmin, kUz, kPzmax, kR, kIcmax, kRcmin };
enum Mode { kFromZenerPower, kFromLoadCurrent, kFromResistor };
}  // namespace zener

void ComputeZener(std::span<double> values, std::span<const int> modes);

const engine::FormModel& ZenerModel();
