// The curves against what the circuits must do: corners, thresholds and
// periods worked out by hand, and the plots that must refuse to draw.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <set>
#include <string>
#include <utility>

#include "core/EngValue.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/plot/PlotFiles.h"
#include "engine/plot/PlotText.h"
#include "engine/plot/Plots.h"

using namespace engine;
using namespace engine::plot;

namespace {

using Edits = std::initializer_list<std::pair<const char*, const char*>>;

// The form as the user leaves it: opened, fields typed, mode picked, Tab.
FormState Typed(const char* form, Edits edits = {}, int mode = -1, std::vector<int> checks = {}) {
    const FormModel& model = *FindForm(form);
    FormState state = OpenedState(model);
    for (const auto& [name, text] : edits)
        state.texts[static_cast<size_t>(model.FieldIndexByName(name))] = text;
    if (mode >= 0)
        state.modes[0] = mode;
    if (!checks.empty())
        state.checks = checks;
    state.texts = Recalculate(model, state).texts;
    return state;
}

Plot PlotOf(const char* form, const FormState& state) {
    PlotResult result = MakePlot(*FindForm(form), state);
    EXPECT_TRUE(result.plot.has_value()) << form << ": " << result.message;
    return result.plot.value_or(Plot{});
}

const Curve& Named(const Plot& plot, const std::string& name) {
    const auto s =
        std::find_if(plot.curves.begin(), plot.curves.end(), [&](const Curve& x) { return x.name == name; });
    EXPECT_NE(s, plot.curves.end()) << name;
    return s == plot.curves.end() ? plot.curves.front() : *s;
}

const Marker& MarkerNamed(const Plot& plot, const std::string& name) {
    const auto m = std::find_if(plot.markers.begin(), plot.markers.end(),
                                [&](const Marker& x) { return x.name == name; });
    EXPECT_NE(m, plot.markers.end()) << name;
    return m == plot.markers.end() ? plot.markers.front() : *m;
}

double Field(const char* form, const FormState& state, const char* name) {
    return ParseEngValue(state.texts[static_cast<size_t>(FindForm(form)->FieldIndexByName(name))]);
}

}  // namespace

// Gain and phase where the circuit's own algebra puts them, the marker at the
// form's Fc as the field shows it.
TEST(PlotTest, FrequencyResponsesMeetTheirCorners) {
    struct Case {
        const char* form;
        const char* marker;
        double gainAtMarker, phaseAtMarker;
        double decadeAbove;  // gain one decade above the marker
    };
    const double corner = 10 * std::log10(0.5);  // -3.01 dB
    const Case cases[] = {
        {"rc-low-pass", "Fc", corner, -45, -20.04},
        {"rc-high-pass", "Fc", corner, 45, -0.04},
        {"differentiator", "Unity gain", 0, -90, 20},
        {"integrator", "Unity gain", 0, 90, -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        const Plot plot = PlotOf(c.form, Typed(c.form));
        const Marker& at = MarkerNamed(plot, c.marker);
        EXPECT_TRUE(plot.xAxis.log);
        EXPECT_GE(plot.xAxis.max / plot.xAxis.min, 1e4);
        EXPECT_NEAR(ValueAt(Named(plot, "Gain"), at.x, true), c.gainAtMarker, 1e-3);
        EXPECT_NEAR(ValueAt(Named(plot, "Phase"), at.x, true), c.phaseAtMarker, 1e-3);
        EXPECT_NEAR(at.y, c.gainAtMarker, 1e-3);
        EXPECT_NEAR(ValueAt(Named(plot, "Gain"), at.x * 10, true), c.decadeAbove, 0.01);
    }
    const FormState lowPass = Typed("rc-low-pass", {{"C", "100n"}, {"Fc", "1k"}}, 1);
    EXPECT_EQ(FormatEngValue(MarkerNamed(PlotOf("rc-low-pass", lowPass), "Fc").x), "1.00 K");
}

TEST(PlotTest, NotchIsDeepestAtItsCentreAndFlatAway) {
    const FormState state = Typed("rc-notch", {{"R", "10k"}, {"C", "100n"}});
    const Plot plot = PlotOf("rc-notch", state);
    const Curve& gain = Named(plot, "Gain");
    const auto deepest = std::min_element(gain.points.begin(), gain.points.end(),
                                          [](const Point& a, const Point& b) { return a.y < b.y; });
    EXPECT_DOUBLE_EQ(deepest->x, MarkerNamed(plot, "Fc").x);
    EXPECT_NEAR(deepest->x, 1 / (2 * std::numbers::pi * 10e3 * 100e-9), 0.01);
    EXPECT_LT(deepest->y, -60);
    EXPECT_GT(ValueAt(gain, deepest->x / 100, true), -0.01);
    EXPECT_GT(ValueAt(gain, deepest->x * 100, true), -0.01);
}

// The designed stage has the design's gain in its pass band and falls below it at Fmin.
TEST(PlotTest, ClassAStageResponse) {
    const Plot plot = PlotOf("class-a-amp", Typed("class-a-amp"));
    const Curve& gain = Named(plot, "Gain");
    const double midBand = ValueAt(gain, 2000, true);
    EXPECT_NEAR(midBand, 40, 0.2);  // gain 100
    const double atFmin = ValueAt(gain, MarkerNamed(plot, "Fmin").x, true);
    // Cin, Cout and Cby each have their corner about Fmin.
    EXPECT_LT(atFmin, midBand - 3);
    EXPECT_LT(ValueAt(gain, MarkerNamed(plot, "Fmin").x / 10, true), atFmin - 20);
    EXPECT_NEAR(ValueAt(Named(plot, "Phase"), 20000, true), -180, 1);
}

// Threshold 2/3 of the supply reached at Th, 1/3 again at T, as the fields say.
TEST(PlotTest, TimersCrossTheirThresholdsAtTheirTimes) {
    struct Case {
        FormState state;
        const char* form;
        const char* series;
        std::vector<std::pair<const char*, double>> crossings;  // field, level there
    };
    const Case cases[] = {
        {Typed("astable-555"), "astable-555", "Capacitor", {{"Th", 2.0 / 3}, {"T", 1.0 / 3}}},
        {Typed("astable-555", {{"C", "10n"}, {"F", "1k"}, {"Duty", "60"}}, 2),
         "astable-555",
         "Capacitor",
         {{"Th", 2.0 / 3}, {"T", 1.0 / 3}}},
        {Typed("monostable-555"), "monostable-555", "Capacitor", {{"T", 2.0 / 3}}},
        {Typed("gate-astable", {{"R", "10k"}, {"T", "1m"}}, 1),
         "gate-astable",
         "First gate's input",
         {{"T", 0.5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        const Plot plot = PlotOf(c.form, c.state);
        const Curve& s = Named(plot, c.series);
        for (const auto& [field, level] : c.crossings) {
            const double t = Field(c.form, c.state, field);
            EXPECT_NEAR(ValueAt(s, t * (1 - 1e-6)), level, 1e-4) << field;
            EXPECT_EQ(FormatEngValue(MarkerNamed(plot, field).x), FormatEngValue(t)) << field;
        }
    }
    const FormState astable = Typed("astable-555");
    const Plot plot = PlotOf("astable-555", astable);
    const double th = Field("astable-555", astable, "Th");
    const double t = Field("astable-555", astable, "T");
    EXPECT_NEAR(ValueAt(Named(plot, "Capacitor"), 2 * t + th * (1 - 1e-6)), 2.0 / 3, 1e-4);
    EXPECT_EQ(ValueAt(Named(plot, "Output"), th / 2), 1);
    EXPECT_EQ(ValueAt(Named(plot, "Output"), (th + t) / 2), 0);
    EXPECT_NEAR(plot.xAxis.max, 3 * t, 3 * t * 1e-3);
}

TEST(PlotTest, SchmittTriggerSwitchesAtBothThresholds) {
    const Plot plot =
        PlotOf("schmitt-trigger", Typed("schmitt-trigger", {{"R1", "1k"}, {"R2", "10k"}, {"Upwr", "15"}}));
    const double utrig = 15.0 * 1000 / 10000;
    const Curve& rising = Named(plot, "Ui rising");
    const Curve& falling = Named(plot, "Ui falling");
    EXPECT_EQ(ValueAt(rising, utrig * 0.99), -15);
    EXPECT_EQ(ValueAt(rising, utrig * 1.01), 15);
    EXPECT_EQ(ValueAt(rising, -utrig * 1.01), -15);
    EXPECT_EQ(ValueAt(falling, -utrig * 0.99), 15);
    EXPECT_EQ(ValueAt(falling, -utrig * 1.01), -15);
    EXPECT_NEAR(MarkerNamed(plot, "+Utrig").x, utrig, 1e-9);
    EXPECT_NEAR(MarkerNamed(plot, "-Utrig").x, -utrig, 1e-9);
}

// The regulator holds Uz down to Umin at full load, and the zener's power unloaded reaches Pzmax at Umax.
TEST(PlotTest, ZenerAndReservoirMeetTheirDesign) {
    const Plot zener = PlotOf("zener", Typed("zener"));
    EXPECT_NEAR(ValueAt(Named(zener, "Output, load Rcmin"), 10), 5.6, 0.01);
    EXPECT_LT(ValueAt(Named(zener, "Output, load Rcmin"), 9.5), 5.5);
    EXPECT_NEAR(ValueAt(Named(zener, "Zener power, no load"), 13), 0.4, 0.005);
    for (const int rectifier : {0, 1}) {
        FormState state = Typed("filter-cap", {{"C", "4.7m"}, {"I", "1"}}, 1);
        state.modes[1] = rectifier;
        state.texts = Recalculate(*FindForm("filter-cap"), state).texts;
        const Plot plot = PlotOf("filter-cap", state);
        const Curve& u = Named(plot, "Capacitor");
        const auto lowest = std::min_element(u.points.begin(), u.points.end(),
                                             [](const Point& a, const Point& b) { return a.y < b.y; });
        EXPECT_NEAR(-lowest->y, Field("filter-cap", state, "DeltaU"), 0.01) << rectifier;
        EXPECT_NEAR(lowest->x, rectifier == 0 ? 0.0045 : 0.0015, 1e-9);
    }
}

TEST(PlotTest, NothingToDrawSaysWhy) {
    struct Case {
        FormState state;
        const char* form;
        const char* message;
    };
    const Case cases[] = {
        {Typed("rc-low-pass", {{"C", "0"}}), "rc-low-pass", "C is zero"},
        {Typed("rc-notch", {{"Fc", "0"}}, 1), "rc-notch", "R shows Error"},
        {Typed("astable-555", {{"R1", "47"}}), "astable-555", "R1 shows Error"},
        {Typed("gate-astable", {{"T", "0"}}, 1), "gate-astable", "C shows Error"},
        {Typed("zener", {{"Umin", "13"}}), "zener", "R shows Error"},
        {Typed("class-a-amp", {{"Vin", "1"}, {"Vout", "0.5"}}, -1, {0, 0}), "class-a-amp",
         "does not operate"},
        {Typed("ohms-law"), "ohms-law", "has no plot"},
    };
    for (const Case& c : cases) {
        const PlotResult result = MakePlot(*FindForm(c.form), c.state);
        EXPECT_FALSE(result.plot.has_value()) << c.form;
        EXPECT_NE(result.message.find(c.message), std::string::npos) << c.form << ": " << result.message;
    }
}

// Every plot at opening: finite data inside its axes, and both files hold all of it.
TEST(PlotTest, EveryPlotDrawsAndWritesOut) {
    const std::set<std::string> plotted = {
        "filter-cap",  "zener",        "class-a-amp",    "differentiator", "integrator",   "schmitt-trigger",
        "astable-555", "gate-astable", "monostable-555", "rc-low-pass",    "rc-high-pass", "rc-notch"};
    for (const FormModel* form : AllForms()) {
        EXPECT_EQ(HasPlot(*form), plotted.contains(form->alias)) << form->alias;
        if (!HasPlot(*form))
            continue;
        SCOPED_TRACE(form->alias);
        const Plot plot = PlotOf(form->alias, OpenedState(*form));
        size_t points = 0;
        for (const Curve& s : plot.curves) {
            ASSERT_LT(static_cast<size_t>(s.axis), plot.yAxes.size());
            const Axis& y = plot.yAxes[static_cast<size_t>(s.axis)];
            for (const Point& p : s.points) {
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
                EXPECT_TRUE(p.x >= plot.xAxis.min && p.x <= plot.xAxis.max);
                EXPECT_TRUE(p.y >= y.min && p.y <= y.max) << s.name << " " << p.y;
            }
            points += s.points.size();
        }
        const std::string svg = PlotSvg(plot);
        for (const Curve& s : plot.curves)
            EXPECT_NE(svg.find(s.name.substr(0, s.name.find('\''))), std::string::npos) << s.name;
        for (const Marker& m : plot.markers)
            EXPECT_NE(svg.find(m.text), std::string::npos) << m.text;  // (an empty text is always found)
        EXPECT_GE(AxisTicks(plot.xAxis).size(), 3u);
        const std::string csv = PlotCsv(plot);
        EXPECT_EQ(static_cast<size_t>(std::count(csv.begin(), csv.end(), '\n')),
                  1 + points + plot.markers.size());
    }
}

TEST(PlotTest, AsBuiltCurveJoinsTheFormsCurve) {
    const FormState wanted = Typed("rc-low-pass", {{"R", "1.5915k"}, {"C", "100n"}});
    const FormState built = Typed("rc-low-pass", {{"R", "1.6k"}, {"C", "100n"}});
    const PlotResult result = MakePlot(*FindForm("rc-low-pass"), wanted, &built);
    ASSERT_TRUE(result.plot.has_value());
    const Curve& asBuilt = Named(*result.plot, "Gain (as built)");
    EXPECT_TRUE(asBuilt.asBuilt);
    EXPECT_NEAR(ValueAt(asBuilt, 1 / (2 * std::numbers::pi * 1600 * 100e-9), true), 10 * std::log10(0.5),
                1e-3);
}

TEST(PlotTest, AxisTextsInEngineeringNotation) {
    const std::pair<std::string, std::string> texts[] = {
        {EngText(7234.3, "Hz"), "7.23 kHz"},
        {EngText(15.4e-6, "s"), "15.4 µs"},
        {EngText(999.7, "V"), "1 kV"},
        {EngText(-45, "°", false), "-45°"},
        {EngText(0, "s"), "0 s"},
        {EngText(-3.0103, "dB", false), "-3.01 dB"},
        {EngText(0.5, ""), "500 m"},
        {ValueText(30.4920e-6, "s"), "30.49 µs"},
        {ValueText(-1.9e-15, "dB", false), "0.00 dB"},
    };
    for (const auto& [got, want] : texts)
        EXPECT_EQ(got, want);
    Axis decades{"Frequency", "Hz", true, true, 72.3, 723e3};
    std::vector<std::string> labels;
    for (const Tick& t : AxisTicks(decades))
        labels.push_back(t.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"100 Hz", "1 kHz", "10 kHz", "100 kHz"}));
    Axis linear{"Time", "s", false, true, 0, 137e-6};
    const std::vector<Tick> ticks = AxisTicks(linear);
    ASSERT_GE(ticks.size(), 4u);
    EXPECT_EQ(ticks[1].label, "20 µs");
}
