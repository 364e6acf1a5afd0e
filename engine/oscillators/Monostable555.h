#pragma once
// 555 monostable: pulse length from R1 and C, or the capacitor for a wanted
// pulse length.

#include <span>

#include "engine/FormModel.h"

namespace monostable555 {
enum Field { kC, kR1, kT };
enum Mode { kR1AndC, kR1AndT };
}  // namespace monostable555

void ComputeMonostable555(std::span<double> values, std::span<const int> modes);

const engine::FormModel& Monostable555Model();
