#pragma once
// Inverting amplifier: G = R2 / R1, shown as a magnitude.

#include <span>

#include "engine/FormModel.h"
#include "engine/opamp/GainStage.h"

void ComputeInvertingAmp(std::span<double> values, std::span<const int> modes);

const engine::FormModel& InvertingAmpModel();
