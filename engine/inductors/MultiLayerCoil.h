#pragma once
// Air-cored cylindrical coil wound in several layers: inductance from
// diameter, winding length, winding thickness and turns, or the turns for a
// wanted inductance.

#include <span>

#include "engine/FormModel.h"

namespace multi_layer_coil {
enum Field { kD, kE, kL, kN, kP };
enum Mode { kFromTurns, kFromInductance };
}  // namespace multi_layer_coil

void ComputeMultiLayerCoil(std::span<double> values, std::span<const int> modes);

const engine::FormModel& MultiLayerCoilModel();
