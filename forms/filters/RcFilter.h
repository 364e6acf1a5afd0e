#pragma once
// What the RC low-pass, high-pass and notch forms share: one formula that
// ties R, C and the cut-off (or rejected) frequency, and one set of fields.

#include <span>

#include "core/CalcFormDlg.h"

namespace rc_filter {
enum Field { kC, kFc, kR };
enum Mode { kRAndC, kCAndFc };

// The forms differ only in their layout, control ids and help topic.
struct ControlIds {
    int close, help;
    int firstRadio;
    int r, c, fc;
};

FormDescription Describe(const platform::DialogTemplate& dialog, const ControlIds& ids, int helpTopic);
}  // namespace rc_filter

void ComputeRcFilter(std::span<double> values, std::span<const int> modes);
