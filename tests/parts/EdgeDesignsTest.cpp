// Parts reports at the edges: parts with no value or beyond a series, pairs
// a near search misses, deviations that round to nothing; and the class A
// stage over seeded random designs against its equations written out here,
// its range searched on a grid through the tolerance box.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>
#include <string>

#include "core/EngValue.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/parts/PartLines.h"
#include "engine/parts/PartsReport.h"
#include "engine/parts/PartsText.h"
#include "engine/semiconductors/ClassAAmp.h"

using namespace engine;
using namespace engine::parts;

namespace {

using Edits = std::initializer_list<std::pair<const char*, const char*>>;

// As the recalculation is given it: typed texts, mode picked.
FormState Given(const char* alias, Edits edits, int mode = 0) {
    const FormModel& form = *FindForm(alias);
    FormState state = OpenedState(form);
    state.modes[0] = mode;
    for (const auto& [name, text] : edits)
        state.texts[static_cast<size_t>(form.FieldIndexByName(name))] = text;
    return state;
}

const OutputLine* Output(const PartsReport& report, const std::string& name) {
    for (const OutputLine& o : report.outputs)
        if (o.name == name)
            return &o;
    return nullptr;
}

const PartLine* Part(const PartsReport& report, const std::string& name) {
    for (const PartLine& p : report.parts)
        if (p.name == name)
            return &p;
    return nullptr;
}

// A part that has no value, or one beyond the series, builds nothing: the
// outputs it feeds have no value and say why, the others keep theirs.
TEST(EdgeDesigns, NoAsBuiltValueFromAPartThatHasNone) {
    struct Case {
        const char* form;
        Edits edits;
        int mode;
        const char* part;
        const char* output;
        const char* why;
    };
    const Case cases[] = {
        {"astable-555", {{"C", "10n"}, {"F", "1k"}, {"Duty", "40"}}, 2, "R1", "F", "no value"},
        {"astable-555", {{"C", "10n"}, {"F", "1k"}, {"Duty", "40"}}, 2, "R2", "Duty", "no value"},
        {"rc-low-pass", {{"C", "10n"}, {"Fc", "0"}}, 1, "R", "Fc", "no value"},
        {"monostable-555", {{"R1", "1k"}, {"T", "0"}}, 1, "C", "T", "no value"},
        {"two-resistors", {{"R", "1k"}, {"R1", "2k"}}, 1, "R2", "R", "no value"},
        {"two-resistors", {{"R1", "1e30"}}, 0, "R1", "I", "beyond the E24 series"},
        {"rc-high-pass", {{"R", "1e-17"}}, 0, "R", "Fc", "beyond the E24 series"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.part);
        const PartsReport report = AnalyseParts(*FindForm(c.form), Given(c.form, c.edits, c.mode));
        ASSERT_NE(Part(report, c.part), nullptr);
        EXPECT_FALSE(Part(report, c.part)->standardised);
        EXPECT_NE(Part(report, c.part)->refused.find(c.why), std::string::npos)
            << Part(report, c.part)->refused;
        const OutputLine* output = Output(report, c.output);
        ASSERT_NE(output, nullptr);
        EXPECT_EQ(output->nominal, kErrorValue);
        EXPECT_NE(output->noValue.find(c.part), std::string::npos) << output->noValue;
        const std::string text = PartsText(report);
        EXPECT_NE(text.find(output->noValue), std::string::npos);
    }
}

TEST(EdgeDesigns, PairsTheNearSearchMissed) {
    struct Case {
        double target;
        Series series;
        const char* text;
    };
    const Case cases[] = {
        {749.8, Series::kE12, "1.50 K // 1.50 K in parallel"},  // not 680 + 68
        {127, Series::kE6, "150.00 // 1.00 K in parallel"},     // not 150 // 680
    };
    for (const Case& c : cases) {
        PartsOptions options;
        options.seriesR = c.series;
        const PartLine part = ChoosePart("R", -1, PartKind::kResistor, c.target, options);
        ASSERT_TRUE(part.pair);
        EXPECT_EQ(PairText(*part.pair, PartKind::kResistor), c.text);
    }
    // A reciprocal sum of capacitors is wired in series, a plain sum in parallel.
    EXPECT_FALSE(InParallel({true, 1e-9, 2e-9, 0.67e-9}, PartKind::kCapacitor));
    EXPECT_TRUE(InParallel({false, 1e-9, 2e-9, 3e-9}, PartKind::kCapacitor));
    EXPECT_TRUE(InParallel({true, 1e3, 2e3, 667}, PartKind::kResistor));
}

TEST(EdgeDesigns, DeviationsAsTheFieldsShowThem) {
    EXPECT_EQ(DeviationText(-1e-6), "0.00 %");  // a typed E value read through a float
    EXPECT_EQ(DeviationText(1e-6), "0.00 %");
    EXPECT_EQ(DeviationText(-0.006), "-0.01 %");
    EXPECT_EQ(DeviationText(std::nullopt), "");
    // 1.00 p is a value the form shows: it has a deviation; 0 has none.
    EXPECT_TRUE(DeviationPercent(1.2e-12, ParseEngValue("1p")).has_value());
    EXPECT_FALSE(DeviationPercent(1.2e-12, 0).has_value());
}

// The Dev. column shows every deviation; the marks hold only what it cannot.
TEST(EdgeDesigns, MarksOnlyWhatTheTableCannotShow) {
    for (const FormModel* form : AllForms()) {
        if (!HasParts(*form))
            continue;
        const PartsReport report = AnalyseParts(*form, OpenedState(*form));
        for (const Mark& mark : report.marks)
            EXPECT_EQ(mark.why.find("from the form's value"), std::string::npos)
                << form->alias << ": " << mark.why;
        std::vector<std::string> reasons;
        for (const Mark& mark : report.marks)
            reasons.push_back(mark.why);
        std::sort(reasons.begin(), reasons.end());
        EXPECT_EQ(std::adjacent_find(reasons.begin(), reasons.end()), reasons.end()) << form->alias;
    }
}

// The stage's equations: VBE 0.7 V, re = 0.03 V / Ie, the base divider a
// Thevenin source; all outputs NaN when cut off or saturated.
enum Part { kRc, kRe, kRv, kRb, kRx, kCin, kCout, kCby };
struct Stage {
    double vcc, beta, rl;
};

std::vector<double> StageOutputs(const Stage& s, const std::vector<double>& p) {
    const double vth = s.vcc * p[kRx] / (p[kRb] + p[kRx]);
    const double rth = p[kRb] * p[kRx] / (p[kRb] + p[kRx]);
    const double ib = (vth - 0.7) / (rth + (s.beta + 1) * (p[kRe] + p[kRv]));
    const double ie = (s.beta + 1) * ib;
    const double ic = s.beta * ib;
    const double ve = ie * (p[kRe] + p[kRv]);
    const double vc = s.vcc - ic * p[kRc];
    if (!(ib > 0) || !(vc > ve))
        return std::vector<double>(12, NAN);
    const double re = 0.03 / ie;
    const double alpha = s.beta / (s.beta + 1);
    const auto parallel = [](double a, double b) { return a * b / (a + b); };
    const double zin = 1 / (1 / p[kRb] + 1 / p[kRx] + 1 / ((s.beta + 1) * (re + p[kRe])));
    const double twoPi = 6.2831854;
    return {ic,
            ve,
            ve + 0.7,
            vc,
            vc - ve,
            alpha * p[kRc] / (re + p[kRe]),
            alpha * parallel(p[kRc], s.rl) / (re + p[kRe]),
            zin,
            p[kRc],
            1 / (twoPi * p[kCin] * zin),
            1 / (twoPi * p[kCout] * s.rl),
            1 / (twoPi * p[kCby] * parallel(p[kRv], rth / s.beta + re + p[kRe]))};
}

const char* const kOutputNames[] = {"Ic",       "VE",  "VB",   "Vc",    "Vce",    "Gain",
                                    "Gain w/l", "Zin", "Zout", "F Cin", "F Cout", "F Cby"};
const char* const kPartNames[] = {"Rc", "Re", "Rv", "Rb", "Rx", "Cin", "Cout", "Cby"};

TEST(EdgeDesigns, ClassAStageOverRandomDesigns) {
    const FormModel& form = ClassAAmpModel();
    std::mt19937 random(7);
    const auto logUniform = [&random](double low, double high) {
        return low * std::pow(high / low, std::uniform_real_distribution<double>(0, 1)(random));
    };
    int designs = 0, withFailures = 0, interior = 0;
    for (int attempt = 0; attempt < 400 && designs < 60; ++attempt) {
        FormState given = OpenedState(form);
        const double in[] = {logUniform(5, 30),     logUniform(50, 400), logUniform(10e-3, 0.3),
                             logUniform(0.3, 5),    logUniform(10, 1e3), logUniform(100, 10e3),
                             logUniform(1e3, 100e3)};
        for (size_t f = 0; f < 7; ++f)
            given.texts[f] = std::to_string(in[f]);
        given.checks = {static_cast<int>(random() % 2), static_cast<int>(random() % 2)};
        PartsOptions options;
        options.seriesR = random() % 2 ? Series::kE6 : Series::kE24;
        const PartsReport report = AnalyseParts(form, given, options);
        if (!report.hasParts || report.parts.size() != 8)
            continue;
        ++designs;
        SCOPED_TRACE("design " + std::to_string(attempt));
        std::vector<double> standard(8), tolerance(8);
        for (size_t p = 0; p < 8; ++p) {
            ASSERT_EQ(report.parts[p].name, kPartNames[p]);
            standard[p] = report.parts[p].standard;
            tolerance[p] = report.parts[p].tolerancePercent / 100;
        }
        const std::vector<double> v = ParseFields(form, given.texts);
        const bool withLoad = given.checks[1] != 0;
        const Stage stage{v[class_a::kVcc], v[class_a::kBeta], withLoad ? v[class_a::kRl] : class_a::kNoLoad};
        const std::vector<double> nominal = StageOutputs(stage, standard);
        // Every point of a grid of three values per part, the corners among them.
        std::vector<double> low(12, INFINITY), high(12, -INFINITY);
        std::vector<double> cornerLow(12, INFINITY), cornerHigh(12, -INFINITY);
        std::vector<int> failedCorners(12, 0);
        std::vector<double> point(8);
        for (int index = 0; index < 6561; ++index) {
            bool corner = true;
            for (int p = 0, rest = index; p < 8; ++p, rest /= 3) {
                point[p] = standard[p] * (1 + (rest % 3 - 1) * tolerance[p]);
                corner = corner && rest % 3 != 1;
            }
            const std::vector<double> out = StageOutputs(stage, point);
            for (size_t o = 0; o < 12; ++o) {
                if (std::isnan(out[o])) {
                    failedCorners[o] += corner ? 1 : 0;
                    continue;
                }
                low[o] = std::min(low[o], out[o]);
                high[o] = std::max(high[o], out[o]);
                if (corner) {
                    cornerLow[o] = std::min(cornerLow[o], out[o]);
                    cornerHigh[o] = std::max(cornerHigh[o], out[o]);
                }
            }
        }
        ASSERT_EQ(report.outputs.size(), 12u);
        for (size_t o = 0; o < 12; ++o) {
            const OutputLine& output = report.outputs[o];
            SCOPED_TRACE(output.name);
            ASSERT_EQ(output.name, kOutputNames[o]);
            EXPECT_EQ(output.failedCorners, failedCorners[o]);
            if (std::isnan(nominal[o])) {
                EXPECT_EQ(output.nominal, kErrorValue);
            } else {
                EXPECT_NEAR(output.nominal, nominal[o], 1e-9 * std::fabs(nominal[o]));
            }
            if (failedCorners[o] > 0) {
                // Over the working corners, as the star says.
                EXPECT_NEAR(output.min, cornerLow[o], 1e-9 * std::fabs(cornerLow[o]));
                EXPECT_NEAR(output.max, cornerHigh[o], 1e-9 * std::fabs(cornerHigh[o]));
                continue;
            }
            // Over the whole box: what the grid reaches inside too, and no wider
            // than the stage goes between the grid's points.
            EXPECT_LE(output.min, low[o] * (1 + 1e-9));
            EXPECT_GE(output.max, high[o] * (1 - 1e-9));
            EXPECT_GE(output.min, low[o] * (1 - 2e-3));
            EXPECT_LE(output.max, high[o] * (1 + 2e-3));
            interior += output.max > cornerHigh[o] * (1 + 1e-6) || output.min < cornerLow[o] * (1 - 1e-6);
        }
        if (failedCorners[0] > 0) {
            ++withFailures;
            const std::string text = PartsText(report);
            EXPECT_TRUE(text.find(" * ") != std::string::npos || text.find(" *\n") != std::string::npos);
        }
        if (HasFailure())
            return;
    }
    EXPECT_GE(designs, 50);
    EXPECT_GT(withFailures, 0);  // the cut-off and saturated corners were met
    EXPECT_GT(interior, 0);      // and extremes between the corners (F Cby)
}

}  // namespace
