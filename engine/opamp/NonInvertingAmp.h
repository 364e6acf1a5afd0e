#pragma once
// Non-inverting amplifier: G = (R2 + R1) / R1, always above one.

#include <span>

#include "engine/FormModel.h"
#include "engine/opamp/GainStage.h"

void ComputeNonInvertingAmp(std::span<double> values, std::span<const int> modes);

const engine::FormModel& NonInvertingAmpModel();
