#pragma once
// What the RC low-pass, high-pass and notch forms share: one formula that
// ties R, C and the cut-off (or rejected) frequency, and one set of fields.

#include <span>

namespace rc_filter {
enum Field { kC, kFc, kR };
enum Mode { kRAndC, kCAndFc };

}  // namespace rc_filter

void ComputeRcFilter(std::span<double> values, std::span<const int> modes);
