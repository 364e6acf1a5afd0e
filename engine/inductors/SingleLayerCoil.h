#pragma once
// Air-cored cylindrical coil wound in one layer: inductance from diameter,
// winding length and turns, or the turns for a wanted inductance.

#include <span>

#include "engine/FormModel.h"

namespace single_layer_coil {
enum Field { kD, kL, kN, kP };
enum Mode { kFromTurns, kFromInductance };
}  // namespace single_layer_coil

void ComputeSingleLayerCoil(std::span<double> values, std::span<const int> modes);

const engine::FormModel& SingleLayerCoilModel();
