#pragma once
// Astable oscillator of two CMOS inverters: period and frequency from R and
// C, or the capacitor for a wanted period.

#include <span>

#include "engine/FormModel.h"

namespace gate_astable {
enum Field { kC, kF, kR, kT };
enum Mode { kRAndC, kRAndT };
}  // namespace gate_astable

void ComputeGateAstable(std::span<double> values, std::span<const int> modes);

const engine::FormModel& GateAstableModel();
