#pragma once
// What the differentiator and the integrator share: resistor R, capacitor C
// and the time interval DeltaT = 0.7 x R x C.

#include <span>

#include "engine/FormModel.h"

namespace rc_time {
enum Field { kC, kDeltaT, kR };
enum Mode { kRAndC, kRAndDeltaT };

// plot and deck: the stage's own frequency response and circuit.
engine::FormModel Describe(const engine::FormName& name, engine::plot::PlotBuilder plot,
                           engine::spice::DeckBuilder deck);
}  // namespace rc_time

void ComputeRcTimeStage(std::span<double> values, std::span<const int> modes);
