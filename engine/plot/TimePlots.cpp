// Waveforms against time: the 555 astable and monostable, the CMOS gate
// astable and the ripple on a reservoir capacitor. The times are the forms'
// own (0.693, 1.1, 0.7 R C and the rectifier's k): each exponential is drawn
// with the time constant that makes it cross its threshold exactly when the
// form says, so that plot and fields agree.

#include <algorithm>
#include <numbers>

#include "engine/Constants.h"
#include "engine/oscillators/Astable555.h"
#include "engine/oscillators/GateAstable.h"
#include "engine/oscillators/Monostable555.h"
#include "engine/passive/FilterCap.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/plot/PlotText.h"

namespace engine::plot {

namespace {

constexpr int kPointsPerSegment = 60;

Plot TimePlot(const std::string& title, const std::string& label, const std::string& unit, bool prefixed) {
    Plot plot;
    plot.title = title;
    plot.xAxis = {"Time", "s", false};
    plot.yAxes = {{label, unit, false, prefixed}};
    return plot;
}

Plot SupplyFractionPlot(const std::string& title) {
    Plot plot = TimePlot(title, "Voltage / supply", "", false);
    plot.yAxes[0].min = -0.05;
    plot.yAxes[0].max = 1.05;
    return plot;
}

// Segments meet where two sums of times do, which rounding may put a last
// bit apart: time never steps back.
void Append(Curve& s, double t, double y) {
    if (!s.points.empty())
        t = std::max(t, s.points.back().x);
    s.points.push_back({t, y});
}

// An exponential from `from` towards `to`, reaching `at` after `duration`.
void AddExponential(Curve& s, double start, double duration, double from, double to, double at) {
    const double decay = std::log((to - from) / (to - at)) / duration;
    for (int i = 0; i <= kPointsPerSegment; ++i) {
        const double t = duration * i / kPointsPerSegment;
        Append(s, start + t, to + (from - to) * std::exp(-decay * t));
    }
}

void AddLevel(Curve& s, double start, double end, double level) {
    Append(s, start, level);
    Append(s, end, level);
}

std::string Time(const std::string& name, double t) {
    return name + " = " + ValueText(t, "s");
}

}  // namespace

// The capacitor charges through R1 + R2 from 1/3 to 2/3 of the supply while
// the output is high, and discharges through R2 back to 1/3 while it is low;
// three periods in steady state.
PlotResult Astable555Plot(const CircuitValues& in) {
    using namespace astable555;
    const double th = in.values[kTh];
    const double tl = in.values[kTl];
    const double t = th + tl;
    Plot plot = SupplyFractionPlot("Astable oscillator, 555 based");
    Curve capacitor{"Capacitor"};
    Curve output{"Output"};
    for (int period = 0; period < 3; ++period) {
        const double start = period * t;
        AddExponential(capacitor, start, th, 1.0 / 3, 1, 2.0 / 3);
        AddExponential(capacitor, start + th, tl, 2.0 / 3, 0, 1.0 / 3);
        AddLevel(output, start, start + th, 1);
        AddLevel(output, start + th, start + t, 0);
    }
    plot.curves = {std::move(capacitor), std::move(output)};
    plot.markers = {{"Th", th, 2.0 / 3, 0, Time("Th", th)},
                    {"Tl", t, 1.0 / 3, 0, Time("Tl", tl)},
                    {"T", t, 0, 0, Time("T", t)}};
    return {std::move(plot), ""};
}

// A falling edge on the trigger starts the pulse; C charges through R1 from
// 0 to 2/3 of the supply, then the output falls and C is discharged at once.
PlotResult Monostable555Plot(const CircuitValues& in) {
    using namespace monostable555;
    const double t = in.values[kT];
    const double before = 0.2 * t;
    const double after = 0.6 * t;
    const double triggerWidth = 0.05 * t;
    Plot plot = SupplyFractionPlot("Monostable oscillator, 555 based");
    Curve trigger{"Trigger"};
    AddLevel(trigger, -before, 0, 1);
    AddLevel(trigger, 0, triggerWidth, 0);
    AddLevel(trigger, triggerWidth, t + after, 1);
    Curve capacitor{"Capacitor"};
    AddLevel(capacitor, -before, 0, 0);
    AddExponential(capacitor, 0, t, 0, 1, 2.0 / 3);
    AddLevel(capacitor, t, t + after, 0);
    Curve output{"Output"};
    AddLevel(output, -before, 0, 0);
    AddLevel(output, 0, t, 1);
    AddLevel(output, t, t + after, 0);
    plot.curves = {std::move(trigger), std::move(capacitor), std::move(output)};
    plot.markers = {{"Trigger", 0, 0, 0, "Trigger"}, {"T", t, 2.0 / 3, 0, Time("T", t)}};
    return {std::move(plot), ""};
}

// R runs from the first inverter's output back to its input, C from the
// second inverter's output to that input. Each edge of the output kicks the
// input node to a rail (where the gate's input diodes hold it); the node then
// moves through R towards the other rail until it crosses the gate's
// threshold, half the supply, and the output turns over: half a period each.
PlotResult GateAstablePlot(const CircuitValues& in) {
    using namespace gate_astable;
    const double t = in.values[kT];
    const double half = t / 2;
    Plot plot = SupplyFractionPlot("Astable oscillator, CMOS gate based");
    Curve node{"First gate's input"};
    Curve output{"Output"};
    for (int period = 0; period < 3; ++period) {
        const double start = period * t;
        AddExponential(node, start, half, 1, 0, 0.5);
        AddExponential(node, start + half, half, 0, 1, 0.5);
        AddLevel(output, start, start + half, 1);
        AddLevel(output, start + half, start + t, 0);
    }
    plot.curves = {std::move(node), std::move(output)};
    plot.markers = {{"Threshold", half, 0.5, 0, Time("T/2", half)}, {"T", t, 0.5, 0, Time("T", t)}};
    return {std::move(plot), ""};
}

// The capacitor alone feeds the load for the rectifier's time k each cycle
// of 50 Hz mains (one cycle a period with one diode, two with a bridge),
// losing DeltaU = k I / C; the rectifier then brings it back to the peak.
// Drawn below the peak voltage, which the form does not know.
PlotResult FilterCapPlot(const CircuitValues& in) {
    using namespace filter_cap;
    const bool halfWave = in.modes[1] == kHalfWave;
    const double k = halfWave ? constants::kHalfWaveDischarge : constants::kFullWaveDischarge;
    const double cycle = halfWave ? 0.020 : 0.010;
    const double deltaU = in.values[kDeltaU];
    Plot plot = TimePlot("Filtering capacitor", "Voltage below the peak", "V", true);
    Curve capacitor{"Capacitor"};
    for (int n = 0; n < 4; ++n) {
        const double start = n * cycle;
        for (int i = 0; i <= kPointsPerSegment; ++i) {
            const double t = k * i / kPointsPerSegment;
            Append(capacitor, start + t, -deltaU * t / k);
        }
        for (int i = 1; i <= kPointsPerSegment; ++i) {
            const double phase = std::numbers::pi * i / kPointsPerSegment;
            Append(capacitor, start + k + (cycle - k) * i / kPointsPerSegment,
                   -deltaU * (1 + std::cos(phase)) / 2);
        }
    }
    plot.curves = {std::move(capacitor)};
    plot.markers = {
        {"DeltaU", k, -deltaU, 0, "DeltaU = " + ValueText(deltaU, "V") + " after k = " + ValueText(k, "s")}};
    return {std::move(plot), ""};
}

}  // namespace engine::plot
