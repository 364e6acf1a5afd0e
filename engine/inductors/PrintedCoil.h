#pragma once
// Flat square spiral etched on a printed circuit board: inductance from the
// inner and outer sizes and the turns, or the turns for a wanted inductance.

#include <span>

#include "engine/FormModel.h"

namespace printed_coil {
enum Field { kD1, kD2, kL, kN };
enum Mode { kFromTurns, kFromInductance };
}  // namespace printed_coil

void ComputePrintedCoil(std::span<double> values, std::span<const int> modes);

const engine::FormModel& PrintedCoilModel();
