// Gain and phase against frequency, for the filters, the op-amp stages and
// the class A stage. The circuits are the ideal ones of the forms' pictures
// (the RC filters followed by an ideal buffer); 2 pi is exact here, so the
// form's Fc, worked out with 6.2832, sits 2.3 ppm off the true corner.

#include <complex>
#include <numbers>

#include "engine/filters/RcFilter.h"
#include "engine/opamp/RcTimeStage.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/plot/PlotText.h"
#include "engine/semiconductors/ClassAAmp.h"

namespace engine::plot {

namespace {

using Complex = std::complex<double>;
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kPointsPerDecade = 60;
constexpr double kDegrees = 180 / std::numbers::pi;

enum BodeAxis { kGainAxis, kPhaseAxis };

Plot BodePlot(const std::string& title) {
    Plot plot;
    plot.title = title;
    plot.xAxis = {"Frequency", "Hz", true};
    plot.yAxes = {{"Gain", "dB", false, false}, {"Phase", "°", false, false}};
    return plot;
}

double GainDb(Complex h) {
    return 20 * std::log10(std::abs(h));
}

double PhaseDeg(Complex h) {
    return std::arg(h) * kDegrees;
}

// Samples the response on a log grid that holds the centre frequency itself.
// An inverting stage's phase is unwrapped from the top of the sweep down, so
// that it reads -180 degrees in the pass band and does not jump at +-180.
template <typename Response>
void AddResponse(Plot& plot, Response response, double centre, int decadesBelow, int decadesAbove,
                 bool unwrap = false) {
    Curve gain{"Gain", {}, kGainAxis};
    Curve phase{"Phase", {}, kPhaseAxis};
    for (int k = -decadesBelow * kPointsPerDecade; k <= decadesAbove * kPointsPerDecade; ++k) {
        const double f = centre * std::pow(10.0, static_cast<double>(k) / kPointsPerDecade);
        const Complex h = response(f);
        gain.points.push_back({f, GainDb(h)});
        phase.points.push_back({f, PhaseDeg(h)});
    }
    if (unwrap) {
        std::vector<Point>& p = phase.points;
        if (p.back().y > 0)
            p.back().y -= 360;
        for (size_t i = p.size() - 1; i-- > 0;) {
            while (p[i].y - p[i + 1].y > 180)
                p[i].y -= 360;
            while (p[i].y - p[i + 1].y < -180)
                p[i].y += 360;
        }
    }
    plot.curves.push_back(std::move(gain));
    plot.curves.push_back(std::move(phase));
}

// One text for both curves; the phase gets its dot only. Where the phase
// jumps (the notch's centre) it has no dot either.
void MarkFrequency(Plot& plot, const std::string& name, double f, Complex h, const std::string& what,
                   bool markPhase = true) {
    std::string text = what + ValueText(f, "Hz") + ": " + ValueText(GainDb(h), "dB", false);
    if (markPhase)
        text += ", " + ValueText(PhaseDeg(h), "°", false);
    plot.markers.push_back({name, f, GainDb(h), kGainAxis, text});
    if (markPhase)
        plot.markers.push_back({name + " phase", f, PhaseDeg(h), kPhaseAxis, ""});
}

template <typename Response>
PlotResult RcFilterPlot(const CircuitValues& in, const std::string& title, Response response,
                        const std::string& what, bool markPhase = true) {
    const double rc = in.values[rc_filter::kR] * in.values[rc_filter::kC];
    const double fc = in.values[rc_filter::kFc];
    const auto h = [&](double f) { return response(Complex(0, kTwoPi * f * rc)); };
    Plot plot = BodePlot(title);
    AddResponse(plot, h, fc, 2, 2);
    MarkFrequency(plot, "Fc", fc, h(fc), what, markPhase);
    return {std::move(plot), ""};
}

// The form's DeltaT is 0.7 R C, a rule of thumb for its pulses; the curve is
// the ideal stage's, and says so.
constexpr const char* kIdealStageNote =
    "Ideal op-amp stage: gain 1 at 1 / (2 pi R C). The form's DeltaT (0.7 R C) is not read from this curve.";

template <typename Response>
PlotResult OpAmpPlot(const CircuitValues& in, const std::string& title, Response response) {
    const double rc = in.values[rc_time::kR] * in.values[rc_time::kC];
    const double unity = 1 / (kTwoPi * rc);
    const auto h = [&](double f) { return response(Complex(0, kTwoPi * f * rc)); };
    Plot plot = BodePlot(title);
    plot.note = kIdealStageNote;
    AddResponse(plot, h, unity, 2, 2);
    MarkFrequency(plot, "Unity gain", unity, h(unity), "Unity gain at ");
    return {std::move(plot), ""};
}

}  // namespace

// s below is j omega R C.
PlotResult RcLowPassPlot(const CircuitValues& in) {
    return RcFilterPlot(
        in, "RC low pass filter", [](Complex s) { return 1.0 / (1.0 + s); }, "Fc = ");
}

PlotResult RcHighPassPlot(const CircuitValues& in) {
    return RcFilterPlot(
        in, "RC high pass filter", [](Complex s) { return s / (1.0 + s); }, "Fc = ");
}

// The twin-T of R, R, 2C and C, C, R/2, unloaded.
PlotResult RcNotchPlot(const CircuitValues& in) {
    return RcFilterPlot(
        in, "RC notch filter", [](Complex s) { return (1.0 + s * s) / (1.0 + 4.0 * s + s * s); }, "Notch at ",
        false);
}

PlotResult DifferentiatorPlot(const CircuitValues& in) {
    return OpAmpPlot(in, "Differentiator (ideal)", [](Complex s) { return -s; });
}

PlotResult IntegratorPlot(const CircuitValues& in) {
    return OpAmpPlot(in, "Integrator (ideal)", [](Complex s) { return -1.0 / s; });
}

// The designed stage driven by an ideal source: Cin into the input
// impedance, the emitter with Cby across Rv, Cout into the load; the
// transistor is the design's own (current gain B, emitter resistance re).
PlotResult ClassAPlot(const CircuitValues& in) {
    using namespace class_a;
    // The design the form's lists show: from the fields as typed, not from
    // the Vout the recalculation wrote back (a second design starts from it).
    const ClassAInputs inputs = ClassAInputsOf(in.given.empty() ? in.values : in.given, in.checks);
    const ClassADesign d = DesignClassA(inputs);
    if (!d.operating)
        return {std::nullopt, std::string("The design does not operate: ") + ClassAStatusText(d)};
    if (!(d.rl > 0))
        return {std::nullopt, "Rl is zero: no curve to draw."};
    const double beta = inputs.beta;
    const double alpha = beta / (beta + 1);
    const auto h = [&](double f) {
        const double w = kTwoPi * f;
        const Complex j(0, 1);
        const Complex ze = d.Cby > 0 ? d.Rv / (1.0 + j * w * d.Rv * d.Cby) : Complex(d.Rv);
        const Complex emitter = d.rIntrinsic + d.Re + ze;
        const Complex zBase = beta * emitter / alpha;
        const Complex zIn = 1.0 / (1.0 / zBase + 1.0 / d.Rx + 1.0 / d.Rb);
        const Complex input = zIn / (zIn + 1.0 / (j * w * d.Cin));
        const Complex loadBranch = d.rl + 1.0 / (j * w * d.Cout);
        const Complex collectorLoad = 1.0 / (1.0 / inputs.rc + 1.0 / loadBranch);
        return input * (-alpha * collectorLoad / emitter) * (d.rl / loadBranch);
    };
    Plot plot = BodePlot("Class A amplifier");
    AddResponse(plot, h, inputs.fmin, 2, 3, true);
    MarkFrequency(plot, "Fmin", inputs.fmin, h(inputs.fmin), "Fmin = ");
    const double top = inputs.fmin * 100;
    plot.markers.push_back(
        {"Mid-band gain", top, GainDb(h(top)), kGainAxis, "Gain " + ValueText(GainDb(h(top)), "dB", false)});
    return {std::move(plot), ""};
}

}  // namespace engine::plot
