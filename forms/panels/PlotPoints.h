#pragma once
// What of a plot a chart can draw. Qt Charts silently drops a point that is
// not a finite number (and a log axis one at or below zero), so that a
// curve or marker can end up with fewer points than it was given: only
// drawable points are handed to it, and a plot with nothing to draw is
// refused with its reason.

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/plot/Plot.h"

namespace forms {

inline bool Drawable(const engine::plot::Axis& axis, double value) {
    return std::isfinite(value) && (!axis.log || value > 0);
}

inline bool DrawableRange(const engine::plot::Axis& axis) {
    return Drawable(axis, axis.min) && Drawable(axis, axis.max) && axis.min < axis.max &&
           std::isfinite(axis.max - axis.min);
}

// The points of a curve that lie on its axes.
inline std::vector<engine::plot::Point> DrawablePoints(const engine::plot::Plot& plot,
                                                       const engine::plot::Curve& curve) {
    std::vector<engine::plot::Point> points;
    if (curve.axis < 0 || curve.axis >= static_cast<int>(plot.yAxes.size()))
        return points;
    const engine::plot::Axis& y = plot.yAxes[static_cast<size_t>(curve.axis)];
    for (const engine::plot::Point& p : curve.points)
        if (Drawable(plot.xAxis, p.x) && Drawable(y, p.y))
            points.push_back(p);
    return points;
}

inline bool DrawableMarker(const engine::plot::Plot& plot, const engine::plot::Marker& marker) {
    return marker.axis >= 0 && marker.axis < static_cast<int>(plot.yAxes.size()) &&
           Drawable(plot.xAxis, marker.x) && Drawable(plot.yAxes[static_cast<size_t>(marker.axis)], marker.y);
}

// Why the plot cannot be drawn, or nothing when it can.
inline std::optional<std::string> WhyNotDrawable(const engine::plot::Plot& plot) {
    if (plot.yAxes.empty() || !DrawableRange(plot.xAxis))
        return std::string("The plot cannot be drawn: its horizontal axis has no finite range.");
    for (const engine::plot::Axis& y : plot.yAxes)
        if (!DrawableRange(y))
            return "The plot cannot be drawn: " + y.label + " has no finite range.";
    for (const engine::plot::Curve& curve : plot.curves)
        if (DrawablePoints(plot, curve).size() >= 2)
            return std::nullopt;
    return std::string("The plot cannot be drawn: its curve has no finite point for these values.");
}

}  // namespace forms
