#pragma once
// What the inverting and non-inverting amplifiers share: input resistor R1,
// feedback resistor R2 and the voltage gain G as a magnitude. The
// non-inverting stage adds one to the gain the resistors give.

#include <span>

#include "engine/FormModel.h"

namespace gain_stage {
enum Field { kG, kR1, kR2 };
enum Mode { kR1AndR2, kR1AndG };
enum class Stage { kInverting, kNonInverting };

// The two amplifiers differ in their names, control ids and compute step only.
struct ControlIds {
    int close, help, modeR1AndR2, modeR1AndG, g, r1, r2;
};
engine::FormModel Describe(const engine::FormName& name, const ControlIds& ids,
                           engine::ComputeFunction compute);
}  // namespace gain_stage

void ComputeGainStage(std::span<double> values, std::span<const int> modes, gain_stage::Stage stage);
