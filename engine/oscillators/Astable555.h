#pragma once
// 555 astable: high time, low time, period, frequency and duty cycle from R1,
// R2 and C, or the two resistors from C and the times, or from C, the
// frequency and the duty cycle.

#include <span>

#include "engine/FormModel.h"

namespace astable555 {
// kDuty holds the duty cycle in percent, as the field shows it.
enum Field { kC, kDuty, kF, kR1, kR2, kT, kTh, kTl };
enum Mode { kR1R2AndC, kCThAndTl, kCFAndDuty };
// Below this R1 the discharge transistor would short the supply.
inline constexpr double kMinR1 = 100;
}  // namespace astable555

void ComputeAstable555(std::span<double> values, std::span<const int> modes);

const engine::FormModel& Astable555Model();
