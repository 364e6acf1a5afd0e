#pragma once
// What the RC low-pass, high-pass and notch forms share: one formula that
// ties R, C and the cut-off (or rejected) frequency, and one set of fields.

#include <span>

#include "engine/FormModel.h"

namespace rc_filter {
enum Field { kC, kFc, kR };
enum Mode { kRAndC, kCAndFc };

// plot and deck: the form's own frequency response and circuit.
engine::FormModel Describe(const engine::FormName& name, engine::plot::PlotBuilder plot,
                           engine::spice::DeckBuilder deck);
}  // namespace rc_filter

void ComputeRcFilter(std::span<double> values, std::span<const int> modes);
