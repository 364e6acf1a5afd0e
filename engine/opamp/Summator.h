#pragma once
// Inverting summator: Uo = -(G1 x U1 + G2 x U2) with G1 = R3 / R1 and
// G2 = R3 / R2.

#include <span>

#include "engine/FormModel.h"

namespace summator {
enum Field { kG1, kG2, kR1, kR2, kR3 };
enum Mode { kResistors, kGainsAndR3 };
}  // namespace summator

void ComputeSummator(std::span<double> values, std::span<const int> modes);

const engine::FormModel& SummatorModel();
