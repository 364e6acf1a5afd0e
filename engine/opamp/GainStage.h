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

// deck: the stage's own circuit.
engine::FormModel Describe(const engine::FormName& name, engine::ComputeFunction compute,
                           engine::spice::DeckBuilder deck);
}  // namespace gain_stage

void ComputeGainStage(std::span<double> values, std::span<const int> modes, gain_stage::Stage stage);
