#pragma once
// Subtractor (difference amplifier): Uo = G2 x U2 - G1 x U1. R2 is both the
// feedback resistor and the lower resistor of the divider on U2.

#include <span>

#include "engine/FormModel.h"

namespace subtractor {
enum Field { kG1, kG2, kR1, kR2, kR3 };
enum Mode { kResistors, kGainsAndR2 };
}  // namespace subtractor

void ComputeSubtractor(std::span<double> values, std::span<const int> modes);

const engine::FormModel& SubtractorModel();
