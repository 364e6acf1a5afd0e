#include "engine/plot/PlotChecks.h"

#include <algorithm>
#include <cmath>

namespace engine::plot {

namespace {

// The prefixes run from p to G: below 1 p a value has none left, from
// 999.5 G on it would round to 1000 G.
constexpr double kSmallestPrefixed = 1e-12;
constexpr double kLargestPrefixed = 999.5e9;
// Plain numbers (dB, degrees, ratios) are written with three digits and no exponent.
constexpr double kLargestPlain = 999.5;

bool Finite(const Axis& axis) {
    return std::isfinite(axis.min) && std::isfinite(axis.max);
}

bool Finite(const Plot& plot) {
    if (!Finite(plot.xAxis) ||
        !std::all_of(plot.yAxes.begin(), plot.yAxes.end(), [](const Axis& a) { return Finite(a); }))
        return false;
    for (const Curve& s : plot.curves) {
        for (const Point& p : s.points) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y))
                return false;
        }
    }
    return std::all_of(plot.markers.begin(), plot.markers.end(),
                       [](const Marker& m) { return std::isfinite(m.x) && std::isfinite(m.y); });
}

// A linear axis through zero still shows small values beside it; its
// largest end sets the prefix of its ticks.
std::string OutOfRange(const Axis& axis) {
    const double largest = std::max(std::fabs(axis.min), std::fabs(axis.max));
    const double smallest = axis.log ? std::min(axis.min, axis.max) : largest;
    const std::string name = axis.label + (axis.unit.empty() ? "" : " (" + axis.unit + ")");
    if (axis.prefixed) {
        if (largest >= kLargestPrefixed)
            return name + " reaches beyond 999 G";
        if (smallest < kSmallestPrefixed)
            return name + " goes below 1 p";
        return "";
    }
    return largest >= kLargestPlain ? name + " reaches beyond 999" : "";
}

}  // namespace

std::string Unreadable(const Plot& plot) {
    if (!Finite(plot))
        return "The curve has values that are no numbers (the design is beyond what can be computed): no "
               "curve "
               "to draw.";
    std::string why = OutOfRange(plot.xAxis);
    for (const Axis& axis : plot.yAxes) {
        if (why.empty())
            why = OutOfRange(axis);
    }
    return why.empty() ? "" : why + ", beyond what the plot can write: no curve to draw.";
}

}  // namespace engine::plot
