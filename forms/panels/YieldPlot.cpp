#include "forms/panels/YieldPlot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace forms {

namespace {

using engine::plot::Point;

double PercentFrom(double value, double target) {
    return (value - target) / std::fabs(target) * 100;
}

std::string PercentText(double percent) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.2f %%", percent);
    return text;
}

// Bars as one outline: up and down at every edge between bins.
engine::plot::Curve Steps(const engine::design::Histogram& histogram, double target, int samples) {
    engine::plot::Curve curve{histogram.name};
    const size_t bins = histogram.counts.size();
    const double width = (histogram.to - histogram.from) / static_cast<double>(bins);
    double level = 0;
    for (size_t b = 0; b <= bins; ++b) {
        const double x = PercentFrom(histogram.from + width * static_cast<double>(b), target);
        const double next = b < bins ? 100.0 * histogram.counts[b] / samples : 0;
        curve.points.push_back({x, level});
        curve.points.push_back({x, next});
        level = next;
    }
    return curve;
}

}  // namespace

engine::plot::Plot YieldPlot(const engine::design::DesignProblem& problem,
                             const engine::design::YieldResult& yield) {
    engine::plot::Plot plot;
    plot.title = "Distribution over the builds";
    plot.xAxis = {"From target", "%", false, false};
    plot.yAxes = {{"Builds", "%", false, false}};
    double low = 0, high = 0, top = 0;
    for (const engine::design::Histogram& histogram : yield.histograms) {
        const int t = problem.TargetIndex(histogram.name);
        if (t < 0 || histogram.counts.empty() || yield.samples <= 0)
            continue;
        const double target = problem.targets[static_cast<size_t>(t)].value;
        engine::plot::Curve curve = Steps(histogram, target, yield.samples);
        for (const Point& p : curve.points) {
            low = std::min(low, p.x);
            high = std::max(high, p.x);
            top = std::max(top, p.y);
        }
        plot.curves.push_back(std::move(curve));
        if (histogram.windowLow == 0 && histogram.windowHigh == 0)
            continue;
        for (const double edge : {histogram.windowLow, histogram.windowHigh}) {
            const double x = PercentFrom(edge, target);
            low = std::min(low, x);
            high = std::max(high, x);
            plot.markers.push_back(
                {histogram.name + " window", x, 0, 0, histogram.name + " window edge " + PercentText(x)});
        }
    }
    // Room on both sides, and a range even where every build came out the same.
    const double margin = std::max((high - low) * 0.05, 0.01);
    plot.xAxis.min = low - margin;
    plot.xAxis.max = high + margin;
    plot.yAxes[0].min = 0;
    plot.yAxes[0].max = std::max(top * 1.1, 1.0);
    return plot;
}

}  // namespace forms
