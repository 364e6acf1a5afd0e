#pragma once
// Whether a plot can be drawn and read as written: every number finite, every
// axis within what its notation writes (p to G and three digits, plain
// numbers without an exponent).

#include <string>

#include "engine/plot/Plot.h"

namespace engine::plot {

// Why the fitted plot cannot be shown; empty when it can.
std::string Unreadable(const Plot& plot);

}  // namespace engine::plot
