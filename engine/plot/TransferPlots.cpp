// Output against input: the Schmitt trigger's hysteresis loop and the zener
// regulator's output over its input range.

#include <algorithm>

#include "engine/opamp/SchmittTrigger.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/plot/PlotText.h"
#include "engine/semiconductors/Zener.h"

namespace engine::plot {

// Ui feeds R1 into the + input, R2 feeds the output back to it, the - input
// is grounded; the output saturates at +-Upwr. The + input crosses zero when
// Ui = -Uo R1 / R2: at +Utrig going up from a low output, at -Utrig going
// down from a high one.
PlotResult SchmittTriggerPlot(const CircuitValues& in) {
    using namespace schmitt_trigger;
    const double upwr = in.values[kUpwr];
    const double utrig = in.values[kUtrig];
    const double span = 2 * utrig;
    Plot plot;
    plot.title = "Schmitt trigger";
    plot.xAxis = {"Input Ui", "V", false, true, -span, span};
    plot.yAxes = {{"Output Uo", "V", false, true, -1.15 * upwr, 1.15 * upwr}};
    plot.curves = {
        {"Ui rising", {{-span, -upwr}, {utrig, -upwr}, {utrig, upwr}, {span, upwr}}},
        {"Ui falling", {{-span, -upwr}, {-utrig, -upwr}, {-utrig, upwr}, {span, upwr}}},
    };
    plot.markers = {{"+Utrig", utrig, 0, 0, "+Utrig = " + ValueText(utrig, "V")},
                    {"-Utrig", -utrig, 0, 0, "-Utrig = " + ValueText(-utrig, "V")}};
    return {std::move(plot), ""};
}

// R from the input to the output, the zener (an ideal one at Uz) and the
// load across the output. Unloaded the zener takes all of R's current; with
// the smallest load Rcmin the output holds Uz from Umin up. The zener's power
// unloaded reaches Pzmax at Umax.
PlotResult ZenerPlot(const CircuitValues& in) {
    using namespace zener;
    const std::span<const double> v = in.values;
    const double uz = v[kUz], r = v[kR], rcmin = v[kRcmin], umin = v[kUmin], umax = v[kUmax];
    constexpr int kPoints = 240;
    const double top = 1.2 * umax;
    Plot plot;
    plot.title = "Zener diode";
    plot.xAxis = {"Input", "V", false, true, 0, top};
    plot.yAxes = {{"Output", "V", false, true}, {"Zener power", "W", false, true}};
    Curve unloaded{"Output, no load"};
    Curve loaded{"Output, load Rcmin"};
    Curve power{"Zener power, no load", {}, 1};
    const auto zenerPower = [&](double u) { return u > uz ? uz * (u - uz) / r : 0.0; };
    for (int i = 0; i <= kPoints; ++i) {
        const double u = top * i / kPoints;
        unloaded.points.push_back({u, std::min(u, uz)});
        loaded.points.push_back({u, std::min(u * rcmin / (r + rcmin), uz)});
        power.points.push_back({u, zenerPower(u)});
    }
    plot.curves = {std::move(unloaded), std::move(loaded), std::move(power)};
    plot.markers = {{"Umin", umin, uz, 0, "Umin = " + ValueText(umin, "V")},
                    {"Umax", umax, uz, 0, "Umax = " + ValueText(umax, "V")},
                    {"Pzmax", umax, zenerPower(umax), 1, "Pz = " + ValueText(zenerPower(umax), "W")}};
    return {std::move(plot), ""};
}

}  // namespace engine::plot
