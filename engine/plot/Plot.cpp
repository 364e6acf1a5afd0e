#include "engine/plot/Plot.h"

#include <algorithm>
#include <limits>

namespace engine::plot {

double ValueAt(const Curve& curve, double x, bool logX) {
    const std::vector<Point>& p = curve.points;
    if (p.empty() || x < p.front().x || x > p.back().x)
        return NAN;
    // The first point beyond x: at a vertical edge that is after the edge.
    const auto after =
        std::upper_bound(p.begin(), p.end(), x, [](double v, const Point& q) { return v < q.x; });
    if (after == p.end())
        return p.back().y;
    const Point& b = *after;
    const Point& a = *(after - 1);
    if (a.x == x)
        return a.y;
    const auto position = [logX](double v) { return logX ? std::log10(v) : v; };
    const double t = (position(x) - position(a.x)) / (position(b.x) - position(a.x));
    return a.y + t * (b.y - a.y);
}

namespace {

void FitAxis(Axis& axis, double low, double high) {
    if (!std::isnan(axis.min) && !std::isnan(axis.max))
        return;
    if (!(low <= high)) {
        low = 0;
        high = 1;
    }
    if (axis.log) {
        axis.min = std::pow(10.0, std::floor(std::log10(low) + 1e-9));
        axis.max = std::pow(10.0, std::ceil(std::log10(high) - 1e-9));
        if (axis.max <= axis.min)
            axis.max = axis.min * 10;
        return;
    }
    double margin = (high - low) * 0.05;
    if (margin == 0)
        margin = high == 0 ? 1 : std::fabs(high) * 0.1;
    // A plain number (dB, degrees) that hardly moves still gets ticks three
    // digits can tell apart, not 1e-9 steps.
    if (!axis.prefixed)
        margin = std::max(margin, 0.05);
    axis.min = low - margin;
    axis.max = high + margin;
}

}  // namespace

void FitAxes(Plot& plot) {
    constexpr double kNone = std::numeric_limits<double>::infinity();
    double xLow = kNone, xHigh = -kNone;
    std::vector<double> yLow(plot.yAxes.size(), kNone), yHigh(plot.yAxes.size(), -kNone);
    for (const Curve& s : plot.curves) {
        for (const Point& p : s.points) {
            xLow = std::min(xLow, p.x);
            xHigh = std::max(xHigh, p.x);
            if (s.axis >= 0 && s.axis < static_cast<int>(plot.yAxes.size()) && std::isfinite(p.y)) {
                yLow[s.axis] = std::min(yLow[s.axis], p.y);
                yHigh[s.axis] = std::max(yHigh[s.axis], p.y);
            }
        }
    }
    // The x axis spans the data exactly: a sweep's or a time window's ends.
    if (std::isnan(plot.xAxis.min) || std::isnan(plot.xAxis.max)) {
        plot.xAxis.min = xLow;
        plot.xAxis.max = xHigh;
    }
    for (size_t i = 0; i < plot.yAxes.size(); ++i)
        FitAxis(plot.yAxes[i], yLow[i], yHigh[i]);
}

}  // namespace engine::plot
