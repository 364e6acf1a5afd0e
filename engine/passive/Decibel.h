#pragma once
// Decibels: one gain applied to a stage's input and output levels, 20 dB a
// decade for voltages and 10 dB a decade for powers.

#include <span>

#include "engine/FormModel.h"

namespace decibel {
enum Field { kGain, kPi, kPo, kUi, kUo };
enum Mode { kInputAndGain, kOutputAndGain, kInputAndOutputLevel, kInputAndOutputPower };
}  // namespace decibel

void ComputeDecibel(std::span<double> values, std::span<const int> modes);

const engine::FormModel& DecibelModel();
