// Every form with a plot, in every mode, over seeded random designs across
// its realistic range and over edge designs: the markers carry the values the
// form shows, the curves follow the circuit's own equations written out here
// (closed forms and a nodal solution), and nothing drawn or written out is
// other than a number.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/EngValue.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/plot/PlotFiles.h"
#include "engine/plot/PlotText.h"
#include "engine/plot/Plots.h"
#include "engine/semiconductors/ClassAAmp.h"

using namespace engine;
using namespace engine::plot;

namespace {

using Complex = std::complex<double>;
using Rng = std::mt19937_64;
using Edits = std::vector<std::pair<std::string, std::string>>;  // field name, text typed
constexpr double kPi = std::numbers::pi;
constexpr int kDesignsPerMode = 60;

double LogUniform(Rng& rng, double low, double high) {
    return low * std::pow(high / low, std::uniform_real_distribution<double>(0, 1)(rng));
}

// Five significant digits with the prefix a user types ("4.7316k", "12.5µ").
std::string Typed(double value) {
    static const std::pair<double, const char*> prefixes[] = {
        {1e6, "M"}, {1e3, "k"}, {1, ""}, {1e-3, "m"}, {1e-6, "\xB5"}, {1e-9, "n"}, {1e-12, "p"}};
    for (const auto& [scale, prefix] : prefixes) {
        if (value >= scale || scale == 1e-12) {
            char text[32];
            std::snprintf(text, sizeof text, "%.5g%s", value / scale, prefix);
            return text;
        }
    }
    return "0";
}

// The form after the user typed the edits in the given modes and checks, and
// what its recalculation shows: texts, and the numbers behind them.
struct Shown {
    const FormModel* form = nullptr;
    FormState typed;
    FormResult result;
    std::vector<double> values;

    double operator()(const char* field) const {
        return values[static_cast<size_t>(form->FieldIndexByName(field))];
    }
    const std::string& Text(const char* field) const {
        return result.texts[static_cast<size_t>(form->FieldIndexByName(field))];
    }
};

struct Variant {
    std::vector<int> modes = {};   // one per radio group
    std::vector<int> checks = {};  // empty: as the form opens
};

Shown Show(const FormModel& form, const Variant& variant, const Edits& edits) {
    Shown s;
    s.form = &form;
    s.typed = OpenedState(form);
    for (const auto& [name, text] : edits)
        s.typed.texts[static_cast<size_t>(form.FieldIndexByName(name))] = text;
    std::copy(variant.modes.begin(), variant.modes.end(), s.typed.modes.begin());
    if (!variant.checks.empty())
        s.typed.checks = variant.checks;
    s.result = Recalculate(form, s.typed);
    s.values = ParseFields(form, s.typed.texts);
    Compute(form, s.values, s.typed.modes, s.typed.checks, nullptr);
    return s;
}

// The largest error of one design, reported once with where it was.
struct Worst {
    double error = 0;
    std::string where;

    // Relative to scale, or absolute below it.
    void Compare(double got, double want, double scale, const std::string& what) {
        const double e = std::fabs(got - want) / std::max(scale, std::fabs(want));
        if (!(e <= error)) {
            error = std::isnan(e) ? INFINITY : e;
            where = what + ": got " + std::to_string(got) + ", want " + std::to_string(want);
        }
    }
    void CompareDegrees(double got, double want, const std::string& what) {
        Compare(std::remainder(got - want, 360.0), 0, 1, what);
    }
};

const Curve* CurveNamed(const Plot& plot, const std::string& name) {
    const auto s =
        std::find_if(plot.curves.begin(), plot.curves.end(), [&](const Curve& x) { return x.name == name; });
    return s == plot.curves.end() ? nullptr : &*s;
}

const Marker* MarkerNamed(const Plot& plot, const std::string& name) {
    const auto m = std::find_if(plot.markers.begin(), plot.markers.end(),
                                [&](const Marker& x) { return x.name == name; });
    return m == plot.markers.end() ? nullptr : &*m;
}

// A marker standing for a field: at the field's value, which reads as the field does.
void ExpectMarkerAt(const Plot& plot, const Shown& s, const char* marker, const char* field,
                    bool onX = true) {
    const Marker* m = MarkerNamed(plot, marker);
    ASSERT_NE(m, nullptr) << marker;
    const double at = onX ? m->x : m->y;
    EXPECT_NEAR(at, s(field), 1e-12 * std::fabs(s(field))) << marker;
    EXPECT_EQ(FormatEngValue(std::fabs(at)), s.Text(field)) << marker;
}

// ---- Frequency responses: gain in dB and phase in degrees of x = omega R C.

struct Response {
    double gainDb;
    double phaseDeg;
};

Response OfComplex(Complex h) {
    return {20 * std::log10(std::abs(h)), std::arg(h) * 180 / kPi};
}

Response LowPass(double x) {
    return {-10 * std::log10(1 + x * x), -std::atan(x) * 180 / kPi};
}

Response HighPass(double x) {
    return {20 * std::log10(x) - 10 * std::log10(1 + x * x), 90 - std::atan(x) * 180 / kPi};
}

// Gaussian elimination with partial pivoting; small dense systems only.
std::vector<Complex> Solve(std::vector<std::vector<Complex>> a, std::vector<Complex> b) {
    const size_t n = b.size();
    for (size_t col = 0; col < n; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < n; ++r)
            if (std::abs(a[r][col]) > std::abs(a[pivot][col]))
                pivot = r;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (size_t r = col + 1; r < n; ++r) {
            const Complex f = a[r][col] / a[col][col];
            for (size_t c = col; c < n; ++c)
                a[r][c] -= f * a[col][c];
            b[r] -= f * b[col];
        }
    }
    std::vector<Complex> x(n);
    for (size_t r = n; r-- > 0;) {
        Complex sum = b[r];
        for (size_t c = r + 1; c < n; ++c)
            sum -= a[r][c] * x[c];
        x[r] = sum / a[r][r];
    }
    return x;
}

// The twin-T, unloaded (the buffer follows it), with R = 1 and C = 1 so that
// omega is x: R, R in series with 2C from their joint A to ground; C, C in
// series with R/2 from their joint B to ground. Unknowns A, B and the output.
Response TwinT(double x) {
    const Complex jw(0, x);
    const std::vector<std::vector<Complex>> a{
        {-2.0 - 2.0 * jw, 0, 1},
        {0, -2.0 * jw - 2.0, jw},
        {1, jw, -1.0 - jw},
    };
    const std::vector<Complex> b{-1.0, -jw, 0};
    return OfComplex(Solve(a, b)[2]);
}

// The ideal inverting stages: -j x and -1 / (j x).
Response Differentiator(double x) {
    return {20 * std::log10(x), -90};
}

Response Integrator(double x) {
    return {-20 * std::log10(x), 90};
}

void CompareBode(const Plot& plot, double rc, Response (*h)(double), Worst& worst) {
    const Curve* gain = CurveNamed(plot, "Gain");
    const Curve* phase = CurveNamed(plot, "Phase");
    ASSERT_TRUE(gain && phase);
    ASSERT_EQ(gain->points.size(), phase->points.size());
    for (size_t i = 0; i < gain->points.size(); ++i) {
        const Response want = h(2 * kPi * gain->points[i].x * rc);
        worst.Compare(gain->points[i].y, want.gainDb, 1, "gain at " + std::to_string(gain->points[i].x));
        EXPECT_EQ(phase->points[i].x, gain->points[i].x);
        worst.CompareDegrees(phase->points[i].y, want.phaseDeg,
                             "phase at " + std::to_string(gain->points[i].x));
    }
}

// The marker's gain (and phase, when it has one) are the curve's at its frequency.
void CompareMarker(const Plot& plot, const std::string& name, double rc, Response (*h)(double),
                   Worst& worst) {
    const Marker* m = MarkerNamed(plot, name);
    ASSERT_NE(m, nullptr) << name;
    const Response want = h(2 * kPi * m->x * rc);
    worst.Compare(m->y, want.gainDb, 1, name + " gain");
    if (const Marker* p = MarkerNamed(plot, name + " phase"))
        worst.CompareDegrees(p->y, want.phaseDeg, name + " phase");
    EXPECT_LE(plot.xAxis.min, m->x / 99);
    EXPECT_GE(plot.xAxis.max, m->x * 99);
}

template <Response (*H)(double)>
void CheckRcFilter(const Plot& plot, const Shown& s, Worst& worst) {
    const double rc = s("R") * s("C");
    CompareBode(plot, rc, H, worst);
    CompareMarker(plot, "Fc", rc, H, worst);
    ExpectMarkerAt(plot, s, "Fc", "Fc");
}

template <Response (*H)(double)>
void CheckOpAmpStage(const Plot& plot, const Shown& s, Worst& worst) {
    const double rc = s("R") * s("C");
    CompareBode(plot, rc, H, worst);
    CompareMarker(plot, "Unity gain", rc, H, worst);
    worst.Compare(MarkerNamed(plot, "Unity gain")->x, 1 / (2 * kPi * rc), 0, "unity gain frequency");
    // The form's DeltaT is a rule of thumb, the curve the ideal stage's: the chart says so.
    EXPECT_NE(plot.note.find("0.7 R C"), std::string::npos) << plot.note;
    EXPECT_NE(plot.note.find("deal"), std::string::npos) << plot.note;
}

// ---- The class A stage: a nodal solution of its small-signal circuit.

// The design the form shows for the texts typed, and the check that it is.
ClassADesign ShownClassA(const Shown& s, ClassAInputs& in) {
    const std::vector<double> given = ParseFields(*s.form, s.typed.texts);
    in = {given[0],
          given[1],
          given[2],
          given[3],
          given[4],
          given[5],
          given[6],
          s.typed.checks[class_a::kMaxGain] != 0,
          s.typed.checks[class_a::kWithLoad] != 0};
    const ClassADesign d = DesignClassA(in);
    EXPECT_EQ(ClassAComponentLines(in, d), s.result.extras.lists.at(0));
    return d;
}

// An ideal source through Cin into the base, Rb and Rx to AC ground; the
// transistor's emitter current ie through re, Re, then Rv with Cby across it;
// alpha ie out of the collector into Rc and through Cout into the load.
// Unknowns: base, emitter, Rv's top, collector, output, ie.
Complex ClassAGain(const ClassAInputs& in, const ClassADesign& d, double f) {
    const Complex jw(0, 2 * kPi * f);
    const double alpha = in.beta / (in.beta + 1);
    const Complex yIn = jw * d.Cin, yBy = jw * d.Cby, yOut = jw * d.Cout;
    const std::vector<std::vector<Complex>> a{
        {-yIn - 1 / d.Rb - 1 / d.Rx, 0, 0, 0, 0, -(1 - alpha)},
        {1, -1, 0, 0, 0, -d.rIntrinsic},
        {0, 1, -1, 0, 0, -d.Re},
        {0, 0, -1 / d.Rv - yBy, 0, 0, 1},
        {0, 0, 0, -1 / in.rc - yOut, yOut, -alpha},
        {0, 0, 0, yOut, -yOut - 1 / d.rl, 0},
    };
    const std::vector<Complex> b{-yIn, 0, 0, 0, 0, 0};
    return Solve(a, b)[4];
}

void CheckClassA(const Plot& plot, const Shown& s, Worst& worst) {
    ClassAInputs in;
    const ClassADesign d = ShownClassA(s, in);
    const Curve* gain = CurveNamed(plot, "Gain");
    const Curve* phase = CurveNamed(plot, "Phase");
    ASSERT_TRUE(gain && phase && d.operating);
    for (size_t i = 0; i < gain->points.size(); i += 3) {
        const double f = gain->points[i].x;
        const Response want = OfComplex(ClassAGain(in, d, f));
        worst.Compare(gain->points[i].y, want.gainDb, 1, "gain at " + std::to_string(f));
        worst.CompareDegrees(phase->points[i].y, want.phaseDeg, "phase at " + std::to_string(f));
    }
    // Inverting in its pass band: -180 degrees, not +180.
    EXPECT_NEAR(ValueAt(*phase, 100 * in.fmin, true), -180, 15);
    ExpectMarkerAt(plot, s, "Fmin", "Fmin");
    const Marker* mid = MarkerNamed(plot, "Mid-band gain");
    ASSERT_NE(mid, nullptr);
    worst.Compare(mid->y, OfComplex(ClassAGain(in, d, mid->x)).gainDb, 1, "mid-band gain");
}

// ---- Waveforms: each point against the waveform at its time, just before or just after it
// (a vertical edge is two points at one time).

using Waveform = std::function<double(double t)>;

void CompareWave(const Plot& plot, const std::string& name, const Waveform& wave, double period, double scale,
                 Worst& worst) {
    const Curve* s = CurveNamed(plot, name);
    ASSERT_NE(s, nullptr) << name;
    const double eps = 1e-12 * period;
    for (const Point& p : s->points) {
        const double before = wave(p.x - eps), after = wave(p.x + eps);
        const double nearer = std::fabs(p.y - before) < std::fabs(p.y - after) ? before : after;
        worst.Compare(p.y, nearer, scale, name + " at " + std::to_string(p.x));
    }
}

// Charging from `from` towards `to` through the time constant that reaches `at` after `duration`.
double Charge(double t, double duration, double from, double to, double at) {
    const double tau = duration / std::log((to - from) / (to - at));
    return to + (from - to) * std::exp(-t / tau);
}

void CheckAstable555(const Plot& plot, const Shown& s, Worst& worst) {
    const double th = s("Th"), tl = s("Tl"), t = th + tl;
    const auto phaseOf = [=](double x) { return x - t * std::clamp(std::floor(x / t), 0.0, 2.0); };
    CompareWave(
        plot, "Capacitor",
        [=](double x) {
            const double u = phaseOf(x);
            return u < th ? Charge(u, th, 1.0 / 3, 1, 2.0 / 3) : Charge(u - th, tl, 2.0 / 3, 0, 1.0 / 3);
        },
        t, 1, worst);
    CompareWave(
        plot, "Output", [=](double x) { return phaseOf(x) < th ? 1.0 : 0.0; }, t, 1, worst);
    worst.Compare(plot.xAxis.max, 3 * t, 0, "three periods");
    ExpectMarkerAt(plot, s, "Th", "Th");
    ExpectMarkerAt(plot, s, "T", "T");
    EXPECT_EQ(MarkerNamed(plot, "Tl")->text, "Tl = " + ValueText(s("Tl"), "s"));
}

void CheckMonostable555(const Plot& plot, const Shown& s, Worst& worst) {
    const double t = s("T");
    const auto pulse = [=](double x) { return x >= 0 && x < t; };
    CompareWave(
        plot, "Trigger", [=](double x) { return x >= 0 && x < 0.05 * t ? 0.0 : 1.0; }, t, 1, worst);
    CompareWave(
        plot, "Capacitor", [=](double x) { return pulse(x) ? Charge(x, t, 0, 1, 2.0 / 3) : 0.0; }, t, 1,
        worst);
    CompareWave(
        plot, "Output", [=](double x) { return pulse(x) ? 1.0 : 0.0; }, t, 1, worst);
    ExpectMarkerAt(plot, s, "T", "T");
}

void CheckGateAstable(const Plot& plot, const Shown& s, Worst& worst) {
    const double t = s("T"), half = t / 2;
    const auto phaseOf = [=](double x) { return x - t * std::clamp(std::floor(x / t), 0.0, 2.0); };
    CompareWave(
        plot, "First gate's input",
        [=](double x) {
            const double u = phaseOf(x);
            return u < half ? Charge(u, half, 1, 0, 0.5) : Charge(u - half, half, 0, 1, 0.5);
        },
        t, 1, worst);
    CompareWave(
        plot, "Output", [=](double x) { return phaseOf(x) < half ? 1.0 : 0.0; }, t, 1, worst);
    ExpectMarkerAt(plot, s, "T", "T");
    worst.Compare(MarkerNamed(plot, "Threshold")->x, half, 0, "T/2");
}

// The load current I alone discharges C for the rectifier's time k each
// cycle: the voltage falls by I t / C; then the rectifier brings it back up
// to the peak before the next cycle.
void CheckFilterCap(const Plot& plot, const Shown& s, Worst& worst) {
    const bool halfWave = s.typed.modes[1] == 0;
    const double k = halfWave ? 0.0045 : 0.0015, cycle = halfWave ? 0.020 : 0.010;
    const double slope = s("I") / s("C"), drop = slope * k;
    const Curve* u = CurveNamed(plot, "Capacitor");
    ASSERT_NE(u, nullptr);
    for (size_t i = 0; i < u->points.size(); ++i) {
        const Point& p = u->points[i];
        const double phase = p.x - cycle * std::floor(p.x / cycle + 1e-9);
        if (phase <= k * (1 + 1e-9)) {
            worst.Compare(p.y, -slope * phase, drop, "discharge at " + std::to_string(p.x));
        } else if (i > 0) {
            EXPECT_GE(p.y, u->points[i - 1].y - 1e-12 * drop) << "recharge at " << p.x;
        }
    }
    worst.Compare(u->points.back().y, 0, drop, "back at the peak");
    const Marker* m = MarkerNamed(plot, "DeltaU");
    ASSERT_NE(m, nullptr);
    worst.Compare(m->y, -drop, 0, "DeltaU marker");
    EXPECT_EQ(FormatEngValue(-m->y), s.Text("DeltaU"));
}

// ---- Transfer curves.

void CompareSteps(const Plot& plot, const std::string& name, double threshold, double upwr, Worst& worst) {
    CompareWave(
        plot, name, [=](double u) { return u < threshold ? -upwr : upwr; }, std::fabs(threshold), upwr,
        worst);
    const Curve* s = CurveNamed(plot, name);
    for (int i = 1; i < 40; ++i) {
        const double u = plot.xAxis.min + (plot.xAxis.max - plot.xAxis.min) * i / 40;
        if (std::fabs(u - threshold) > 1e-6 * std::fabs(threshold))
            worst.Compare(ValueAt(*s, u), u < threshold ? -upwr : upwr, upwr,
                          name + " read at " + std::to_string(u));
    }
}

// Ui through R1 into +, R2 from the output back to +, - grounded: + crosses
// zero where Ui R2 + Uo R1 = 0, so the output turns over at Ui = Upwr R1 / R2
// going up from -Upwr and at -Upwr R1 / R2 going down from +Upwr.
void CheckSchmittTrigger(const Plot& plot, const Shown& s, Worst& worst) {
    const double upwr = s("Upwr"), threshold = upwr * s("R1") / s("R2");
    ASSERT_LT(plot.xAxis.min, -threshold);
    ASSERT_GT(plot.xAxis.max, threshold);
    CompareSteps(plot, "Ui rising", threshold, upwr, worst);
    CompareSteps(plot, "Ui falling", -threshold, upwr, worst);
    ExpectMarkerAt(plot, s, "+Utrig", "Utrig");
    worst.Compare(MarkerNamed(plot, "-Utrig")->x, -s("Utrig"), 0, "-Utrig");
}

// R from the input to the output node, an ideal zener at Uz and the load
// across it: below Uz the load and R divide the input, above it the zener
// holds Uz and takes (U - Uz) / R less the load's current.
void CheckZener(const Plot& plot, const Shown& s, Worst& worst) {
    const double uz = s("Uz"), r = s("R"), rcmin = s("Rcmin");
    const auto power = [=](double u) { return u > uz ? uz * (u - uz) / r : 0.0; };
    const double top = plot.xAxis.max;
    CompareWave(
        plot, "Output, no load", [=](double u) { return std::min(u, uz); }, top, uz, worst);
    CompareWave(
        plot, "Output, load Rcmin", [=](double u) { return std::min(u * rcmin / (r + rcmin), uz); }, top, uz,
        worst);
    CompareWave(plot, "Zener power, no load", power, top, power(top), worst);
    // The design: full load still regulated at Umin, the zener at Pzmax at Umax unloaded.
    worst.Compare(s("Umin") * rcmin / (r + rcmin), uz, 0, "loaded output at Umin");
    ExpectMarkerAt(plot, s, "Umin", "Umin");
    ExpectMarkerAt(plot, s, "Umax", "Umax");
    worst.Compare(MarkerNamed(plot, "Pzmax")->y, s("Pzmax"), 0, "zener power at Umax");
}

// ---- Drawable and written out: finite numbers inside their axes, files without NaN.

void CheckDrawable(const Plot& plot, bool writeFiles) {
    const auto inside = [](const Axis& a, double v) {
        return v >= a.min - 1e-9 * std::fabs(a.min) && v <= a.max + 1e-9 * std::fabs(a.max);
    };
    ASSERT_LT(plot.xAxis.min, plot.xAxis.max);
    for (const Axis& y : plot.yAxes)
        ASSERT_LT(y.min, y.max) << y.label;
    for (const Curve& s : plot.curves) {
        ASSERT_LT(static_cast<size_t>(s.axis), plot.yAxes.size());
        for (const Point& p : s.points) {
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << s.name;
            ASSERT_TRUE(inside(plot.xAxis, p.x) && inside(plot.yAxes[static_cast<size_t>(s.axis)], p.y))
                << s.name << " at " << p.x << ", " << p.y;
        }
    }
    for (const Marker& m : plot.markers)
        ASSERT_TRUE(inside(plot.xAxis, m.x) && inside(plot.yAxes[static_cast<size_t>(m.axis)], m.y))
            << m.name;
    for (const Tick& t : AxisTicks(plot.xAxis))
        ASSERT_TRUE(std::isfinite(t.value) && inside(plot.xAxis, t.value)) << t.label;
    if (!writeFiles)
        return;
    for (const std::string& file : {PlotCsv(plot), PlotSvg(plot)}) {
        for (const char* bad : {"nan", "inf", "NaN", "Inf"})
            ASSERT_EQ(file.find(bad), std::string::npos) << bad;
    }
}

// ---- The table: each plotted form, its modes, its random designs, its edges and its checks.

using Generator = Edits (*)(Rng& rng, size_t variant);
using Checker = void (*)(const Plot& plot, const Shown& shown, Worst& worst);

struct Edge {
    size_t variant;
    Edits edits;
    const char* refusal;  // what the refusal says; nullptr: it draws
};

struct PlottedForm {
    const char* form;
    std::vector<Variant> variants;
    Generator random;
    Checker check;
    std::vector<Edge> edges;
    double tolerance = 1e-9;  // relative, worst point of a design
};

// R and C of an RC filter or op-amp stage, typed as the mode wants them.
Edits RcFilterDesign(Rng& rng, size_t mode) {
    const double r = LogUniform(rng, 100, 1e6), c = LogUniform(rng, 100e-12, 100e-6);
    if (mode == 0)
        return {{"R", Typed(r)}, {"C", Typed(c)}};
    return {{"C", Typed(c)}, {"Fc", Typed(1 / (2 * kPi * r * c))}};
}

Edits OpAmpDesign(Rng& rng, size_t mode) {
    const double r = LogUniform(rng, 1e3, 1e6), c = LogUniform(rng, 100e-12, 10e-6);
    if (mode == 0)
        return {{"R", Typed(r)}, {"C", Typed(c)}};
    return {{"R", Typed(r)}, {"DeltaT", Typed(0.7 * r * c)}};
}

Edits SchmittDesign(Rng& rng, size_t mode) {
    const double r2 = LogUniform(rng, 1e3, 1e6), r1 = r2 * LogUniform(rng, 0.01, 1);
    const double upwr = LogUniform(rng, 3, 30);
    if (mode == 0)
        return {{"R1", Typed(r1)}, {"R2", Typed(r2)}, {"Upwr", Typed(upwr)}};
    return {{"R2", Typed(r2)}, {"Utrig", Typed(upwr * r1 / r2)}, {"Upwr", Typed(upwr)}};
}

Edits Astable555Design(Rng& rng, size_t mode) {
    const double r1 = LogUniform(rng, 1e3, 100e3), r2 = LogUniform(rng, 1e3, 1e6);
    const double c = LogUniform(rng, 1e-9, 100e-6);
    const double th = 0.693 * (r1 + r2) * c, tl = 0.693 * r2 * c;
    if (mode == 0)
        return {{"R1", Typed(r1)}, {"R2", Typed(r2)}, {"C", Typed(c)}};
    if (mode == 1)
        return {{"C", Typed(c)}, {"Th", Typed(th)}, {"Tl", Typed(tl)}};
    return {{"C", Typed(c)}, {"F", Typed(1 / (th + tl))}, {"Duty", Typed(100 * th / (th + tl))}};
}

Edits MonostableDesign(Rng& rng, size_t mode) {
    const double r = LogUniform(rng, 1e3, 1e6), c = LogUniform(rng, 1e-9, 100e-6);
    if (mode == 0)
        return {{"R1", Typed(r)}, {"C", Typed(c)}};
    return {{"R1", Typed(r)}, {"T", Typed(1.1 * r * c)}};
}

Edits GateAstableDesign(Rng& rng, size_t mode) {
    const double r = LogUniform(rng, 1e3, 1e6), c = LogUniform(rng, 100e-12, 10e-6);
    if (mode == 0)
        return {{"R", Typed(r)}, {"C", Typed(c)}};
    return {{"R", Typed(r)}, {"T", Typed(0.7 * r * c)}};
}

// Variants 0-2: the knowns with a bridge, 3-5: with one diode.
Edits FilterCapDesign(Rng& rng, size_t variant) {
    const double i = LogUniform(rng, 1e-3, 10), deltaU = LogUniform(rng, 0.05, 5);
    const double c = (variant < 3 ? 0.0015 : 0.0045) * i / deltaU;
    switch (variant % 3) {
        case 0:
            return {{"I", Typed(i)}, {"DeltaU", Typed(deltaU)}};
        case 1:
            return {{"C", Typed(c)}, {"I", Typed(i)}};
        default:
            return {{"C", Typed(c)}, {"DeltaU", Typed(deltaU)}};
    }
}

Edits ZenerDesign(Rng& rng, size_t mode) {
    const double uz = LogUniform(rng, 2.4, 30), umin = uz * LogUniform(rng, 1.2, 3);
    const double umax = umin * LogUniform(rng, 1.05, 2);
    const double pzmax = LogUniform(rng, 0.25, 5), icmax = LogUniform(rng, 1e-3, 0.5);
    if (mode == 0)
        return {{"Umax", Typed(umax)}, {"Umin", Typed(umin)}, {"Uz", Typed(uz)}, {"Pzmax", Typed(pzmax)}};
    if (mode == 1)
        return {{"Umax", Typed(umax)}, {"Umin", Typed(umin)}, {"Uz", Typed(uz)}, {"Icmax", Typed(icmax)}};
    const double ic = LogUniform(rng, 1e-3, 0.1);
    return {{"R", Typed(LogUniform(rng, 10, 2e3))},
            {"Uz", Typed(uz)},
            {"Icmax", Typed(ic)},
            {"Pzmax", Typed(uz * ic * LogUniform(rng, 1.2, 10))}};
}

Edits ClassADesignTyped(Rng& rng, size_t) {
    const double vin = LogUniform(rng, 5e-3, 0.5), beta = LogUniform(rng, 50, 300);
    return {{"Vcc", Typed(LogUniform(rng, 6, 30))},
            {"B", Typed(beta)},
            {"Vin", Typed(vin)},
            {"Vout", Typed(vin * LogUniform(rng, 2, beta))},
            {"Fmin", Typed(LogUniform(rng, 5, 500))},
            {"Rc", Typed(LogUniform(rng, 100, 10e3))},
            {"Rl", Typed(LogUniform(rng, 1e3, 100e3))}};
}

const std::vector<Variant> kTwoModes{{{0}}, {{1}}};

const std::vector<PlottedForm>& Table() {
    const char* error = "shows Error";
    const char* zero = "is zero";
    const char* beyond = "beyond 999 G";
    const char* off = "does not operate";
    const char* draws = nullptr;
    static const std::vector<PlottedForm> table{
        {"rc-low-pass",
         kTwoModes,
         RcFilterDesign,
         CheckRcFilter<LowPass>,
         {{0, {{"C", "0"}}, zero},
          {1, {{"Fc", "0"}}, error},
          {0, {{"R", "1p"}}, error},
          {0, {{"R", "1.000001p"}, {"C", "1.00p"}}, error},
          {0, {{"R", "1000M"}, {"C", "1000m"}}, draws},
          {1, {{"C", "1000m"}, {"Fc", "1000M"}}, draws},
          {0, {{"R", "1"}, {"C", "1.00p"}}, error}}},
        {"rc-high-pass",
         kTwoModes,
         RcFilterDesign,
         CheckRcFilter<HighPass>,
         {{0, {{"R", "0"}}, zero},
          {1, {{"C", "0"}}, error},
          {0, {{"R", "1000M"}, {"C", "1000m"}}, draws},
          {1, {{"C", "1.00p"}, {"Fc", "1.00p"}}, error}}},
        {"rc-notch",
         kTwoModes,
         RcFilterDesign,
         CheckRcFilter<TwinT>,
         {{1, {{"Fc", "0"}}, error},
          {0, {{"R", "1000M"}, {"C", "1000m"}}, draws},
          {0, {{"R", "10"}, {"C", "1.00p"}}, error}}},
        {"differentiator",
         kTwoModes,
         OpAmpDesign,
         CheckOpAmpStage<Differentiator>,
         {{0, {{"C", "0"}}, zero},
          {1, {{"DeltaT", "0"}}, error},
          {1, {{"R", "0"}, {"DeltaT", "1"}}, zero},
          {0, {{"R", "1k"}, {"C", "1.00p"}}, draws},
          {0, {{"R", "1p"}, {"C", "1.00p"}}, beyond},
          {0, {{"R", "1000M"}, {"C", "1000m"}}, draws}}},
        {"integrator",
         kTwoModes,
         OpAmpDesign,
         CheckOpAmpStage<Integrator>,
         {{0, {{"R", "0"}}, zero},
          {1, {{"DeltaT", "1.00p"}}, error},
          {1, {{"R", "1000M"}, {"DeltaT", "1p"}}, error},
          {1, {{"R", "1"}, {"DeltaT", "1000M"}}, draws}}},
        {"schmitt-trigger",
         kTwoModes,
         SchmittDesign,
         CheckSchmittTrigger,
         {{0, {{"R1", "0"}}, zero},
          {1, {{"Utrig", "0"}}, error},
          {1, {{"Utrig", "15"}, {"Upwr", "12"}}, draws},
          {0, {{"R1", "1000M"}, {"R2", "1p"}, {"Upwr", "1000M"}}, error},
          {0, {{"R1", "1.00p"}, {"R2", "1000M"}, {"Upwr", "1.00p"}}, error}}},
        {"astable-555",
         {{{0}}, {{1}}, {{2}}},
         Astable555Design,
         CheckAstable555,
         {{0, {{"R1", "47"}}, error},
          {0, {{"R1", "100"}}, draws},
          {2, {{"Duty", "50"}}, error},
          {1, {{"Th", "1m"}, {"Tl", "1m"}}, error},
          {0, {{"R1", "1000M"}, {"R2", "1000M"}, {"C", "1000m"}}, draws},
          {0, {{"R1", "100.1"}, {"R2", "1p"}, {"C", "1.00p"}}, zero},
          {2, {{"F", "1000M"}, {"C", "1.00p"}}, error}}},
        {"monostable-555",
         kTwoModes,
         MonostableDesign,
         CheckMonostable555,
         {{1, {{"T", "0"}}, error},
          {0, {{"C", "0"}}, zero},
          {1, {{"R1", "0"}, {"T", "1"}}, zero},
          {0, {{"R1", "1.00p"}, {"C", "1.00p"}}, zero},
          {0, {{"R1", "1000M"}, {"C", "1000M"}}, beyond}}},
        {"gate-astable",
         kTwoModes,
         GateAstableDesign,
         CheckGateAstable,
         {{0, {{"C", "0"}}, zero},
          {1, {{"T", "0"}}, error},
          {1, {{"R", "0"}, {"T", "1m"}}, zero},
          {0, {{"R", "1000M"}, {"C", "1000m"}}, draws}}},
        {"filter-cap",
         {{{0, 1}}, {{1, 1}}, {{2, 1}}, {{0, 0}}, {{1, 0}}, {{2, 0}}},
         FilterCapDesign,
         CheckFilterCap,
         {{0, {{"DeltaU", "0"}}, error},
          {1, {{"C", "0"}}, zero},
          {2, {{"C", "0"}}, zero},
          {0, {{"I", "1000M"}, {"DeltaU", "1.5p"}}, draws},
          {4, {{"C", "1000M"}, {"I", "1.00p"}}, zero}}},
        {"zener",
         {{{0}}, {{1}}, {{2}}},
         ZenerDesign,
         CheckZener,
         {{0, {{"Umin", "13"}}, error},
          {2, {{"R", "0"}}, error},
          {0, {{"Pzmax", "1p"}}, error},
          {1, {{"Icmax", "1000M"}}, draws},
          {2, {{"R", "1000M"}, {"Pzmax", "1000M"}}, beyond}}},
        {"class-a-amp",
         {{{}, {1, 0}}, {{}, {0, 0}}, {{}, {1, 1}}, {{}, {0, 1}}},
         ClassADesignTyped,
         CheckClassA,
         {{1, {{"Vin", "1"}, {"Vout", "0.5"}}, off},
          {0, {{"Fmin", "0"}}, zero},
          {0, {{"Rc", "0"}}, zero},
          {0, {{"B", "1p"}}, off},
          {3, {{"Rl", "1.00p"}}, off},
          {0, {{"Vcc", "1000M"}}, draws},
          {2, {{"Fmin", "1000M"}}, beyond}},
         1e-6},
    };
    return table;
}

std::string Describe(const PlottedForm& row, size_t variant, const Edits& edits) {
    std::string text = std::string(row.form) + " variant " + std::to_string(variant) + ":";
    for (const auto& [name, value] : edits)
        text += " " + name + "=" + value;
    return text;
}

// Draws one design and checks it; false when the plot was refused.
bool DrawAndCheck(const PlottedForm& row, const Shown& shown, const std::string& where, bool writeFiles,
                  std::string& refusal) {
    const PlotResult result = MakePlot(*shown.form, shown.typed);
    if (!result.plot) {
        refusal = result.message;
        EXPECT_FALSE(result.message.empty()) << where;
        return false;
    }
    SCOPED_TRACE(where);
    CheckDrawable(*result.plot, writeFiles);
    Worst worst;
    row.check(*result.plot, shown, worst);
    EXPECT_LE(worst.error, row.tolerance) << worst.where;
    return true;
}

}  // namespace

TEST(RandomPlotsTest, EveryModeOverRandomDesigns) {
    Rng rng(20261209);
    for (const PlottedForm& row : Table()) {
        const FormModel* form = FindForm(row.form);
        ASSERT_TRUE(form && HasPlot(*form)) << row.form;
        for (size_t variant = 0; variant < row.variants.size(); ++variant) {
            int drawn = 0;
            for (int n = 0; n < kDesignsPerMode; ++n) {
                const Edits edits = row.random(rng, variant);
                const std::string where = Describe(row, variant, edits);
                const Shown shown = Show(*form, row.variants[variant], edits);
                std::string refusal;
                if (DrawAndCheck(row, shown, where, n % 10 == 0, refusal)) {
                    ++drawn;
                } else if (shown.result.extras.status.find("Non operating") == std::string::npos) {
                    ADD_FAILURE() << where << " refused: " << refusal;
                }
            }
            // A class A wish may not make a design; the others all draw.
            EXPECT_GE(drawn,
                      std::string(row.form) == "class-a-amp" ? kDesignsPerMode * 2 / 3 : kDesignsPerMode)
                << row.form << " variant " << variant;
        }
    }
}

TEST(RandomPlotsTest, EdgeDesignsDrawRightOrSayWhyNot) {
    for (const PlottedForm& row : Table()) {
        const FormModel* form = FindForm(row.form);
        ASSERT_NE(form, nullptr) << row.form;
        for (const Edge& edge : row.edges) {
            const std::string where = Describe(row, edge.variant, edge.edits);
            const Shown shown = Show(*form, row.variants[edge.variant], edge.edits);
            std::string refusal;
            const bool drawn = DrawAndCheck(row, shown, where, true, refusal);
            if (edge.refusal == nullptr)
                EXPECT_TRUE(drawn) << where << " refused: " << refusal;
            else
                EXPECT_TRUE(!drawn && refusal.find(edge.refusal) != std::string::npos)
                    << where << ": " << refusal;
        }
    }
}

// The table covers every form that has a plot.
TEST(RandomPlotsTest, TableHoldsEveryPlottedForm) {
    size_t plotted = 0;
    for (const FormModel* form : AllForms())
        plotted += HasPlot(*form) ? 1 : 0;
    EXPECT_EQ(plotted, Table().size());
}
