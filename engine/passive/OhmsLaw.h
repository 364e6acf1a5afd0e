#pragma once
// Ohm's law: current, resistance, voltage and power of one resistor; any
// two known give the other two.

#include <span>

#include "engine/FormModel.h"

namespace ohms_law {
enum Field { kI, kP, kR, kU };
enum Mode { kRAndI, kRAndU, kRAndP, kIAndU, kIAndP, kUAndP };
}  // namespace ohms_law

void ComputeOhmsLaw(std::span<double> values, std::span<const int> modes);

const engine::FormModel& OhmsLawModel();
