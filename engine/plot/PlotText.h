#pragma once
// Numbers on plots in engineering notation ("7.23 kHz", "-45°", "150 µs")
// and the ticks of an axis. UTF-8, unlike the Latin-1 field texts.

#include <string>
#include <vector>

#include "engine/plot/Plot.h"

namespace engine::plot {

// digits: significant digits at most; trailing zeros are dropped.
std::string EngText(double value, const std::string& unit, bool prefixed = true, int digits = 3);
// Two decimals, as the forms' fields show their values: "30.49 µs", "-3.01 dB".
std::string ValueText(double value, const std::string& unit, bool prefixed = true);
std::string AxisValueText(const Axis& axis, double value, int digits = 3);

struct Tick {
    double value;
    std::string label;
};

// Round values inside the axis's range: 1, 2 or 5 times a power of ten on a
// linear axis, the decades (and 2, 5 within them when few) on a log axis.
std::vector<Tick> AxisTicks(const Axis& axis);

}  // namespace engine::plot
