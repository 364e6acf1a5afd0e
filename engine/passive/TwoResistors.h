#pragma once
// Two resistors in series or in parallel under one voltage: the equivalent
// resistance (or the missing resistor), then every current and voltage.

#include <span>

#include "engine/FormModel.h"

namespace two_resistors {
enum Field { kI, kI1, kI2, kR, kR1, kR2, kU, kU1, kU2 };
enum Knowns { kR1AndR2, kRAndR1 };
enum Connection { kSerial, kParallel };
}  // namespace two_resistors

// modes[0] is the knowns index, modes[1] the connection index.
void ComputeTwoResistors(std::span<double> values, std::span<const int> modes);

const engine::FormModel& TwoResistorsModel();
