#pragma once
// The curve builders of each kind of circuit, named in the forms' models.
// Each takes the form's values once computed (SI units, in the model's field
// order) and its modes, and gives the plot or the reason it has none.

#include <span>

#include "engine/FormFeatures.h"
#include "engine/plot/Plot.h"

namespace engine::plot {

struct CircuitValues {
    std::span<const double> values;
    std::span<const int> modes;
    std::span<const int> checks;
    // The fields as the recalculation read them, before it wrote any back: a
    // form that rewrites an input (class A's Vout) designs from these.
    std::span<const double> given = {};
};

// Frequency responses.
PlotResult RcLowPassPlot(const CircuitValues& in);
PlotResult RcHighPassPlot(const CircuitValues& in);
PlotResult RcNotchPlot(const CircuitValues& in);
PlotResult DifferentiatorPlot(const CircuitValues& in);
PlotResult IntegratorPlot(const CircuitValues& in);
PlotResult ClassAPlot(const CircuitValues& in);

// Waveforms against time.
PlotResult Astable555Plot(const CircuitValues& in);
PlotResult Monostable555Plot(const CircuitValues& in);
PlotResult GateAstablePlot(const CircuitValues& in);
PlotResult FilterCapPlot(const CircuitValues& in);

// Transfer curves, output against input.
PlotResult SchmittTriggerPlot(const CircuitValues& in);
PlotResult ZenerPlot(const CircuitValues& in);

}  // namespace engine::plot
