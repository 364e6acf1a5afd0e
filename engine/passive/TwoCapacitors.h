#pragma once
// Two capacitors in series or in parallel under one voltage: the equivalent
// capacitance (or the missing capacitor), then the voltage across each.

#include <span>

#include "engine/FormModel.h"

namespace two_capacitors {
enum Field { kC, kC1, kC2, kU, kU1, kU2 };
enum Knowns { kC1AndC2, kCAndC1 };
enum Connection { kSerial, kParallel };
}  // namespace two_capacitors

// modes[0] is the knowns index, modes[1] the connection index.
void ComputeTwoCapacitors(std::span<double> values, std::span<const int> modes);

const engine::FormModel& TwoCapacitorsModel();
