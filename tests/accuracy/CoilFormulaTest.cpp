// The coil forms against the published formulas for real coils: Wheeler's
// (1928) for the single- and multi-layer coils, the current-sheet expression
// of Mohan, Hershenson, Boyd and Lee (1999) for the printed square spiral.
// Over seeded random realistic coils, in both modes, the form's figure as
// shown (its two decimals counted) divided by the true one lies in the band
// its help topic states, and reaches near both ends of it, so that the band
// is neither wrong nor needlessly wide. Coils whose L the form puts below
// 1 p show 0 and are left out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <random>
#include <string>

#include "core/EngValue.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"

namespace {

using Rng = std::mt19937;
using Values = std::map<std::string, double>;  // SI units, by field name

constexpr double kInch = 0.0254;
constexpr double kMu0 = 4e-7 * std::numbers::pi;

double LogUniform(Rng& rng, double low, double high) {
    return std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(rng));
}

// Wheeler: L[uH] = r^2 N^2 / (9 r + 10 l), r the radius, l the length, in inches.
double WheelerSingle(const Values& v) {
    const double r = v.at("D") / 2 / kInch, l = v.at("P") / kInch, n = v.at("N");
    return r * r * n * n / (9 * r + 10 * l) * 1e-6;
}

// Wheeler: L[uH] = 0.8 r^2 N^2 / (6 r + 9 l + 10 c), r the mean radius of the
// winding, c its depth. D is the outer diameter, so r = (D - E) / 2.
double WheelerMulti(const Values& v) {
    const double r = (v.at("D") - v.at("E")) / 2 / kInch, l = v.at("P") / kInch, c = v.at("E") / kInch;
    const double n = v.at("N");
    return 0.8 * r * r * n * n / (6 * r + 9 * l + 10 * c) * 1e-6;
}

// Current sheet, square spiral: L = mu0 N^2 davg c1 / 2 (ln(c2 / rho) + c3 rho + c4 rho^2).
double MohanSquare(const Values& v) {
    const double din = v.at("D1"), dout = v.at("D2"), n = v.at("N");
    const double davg = (dout + din) / 2, rho = (dout - din) / (dout + din);
    return kMu0 * n * n * davg * 1.27 / 2 * (std::log(2.07 / rho) + 0.18 * rho + 0.13 * rho * rho);
}

// A coil one would wind: lengths in metres, the number of turns a whole one.
Values SingleCoil(Rng& g) {
    const double d = LogUniform(g, 2e-3, 50e-3);
    // Wheeler's 1 % needs a winding longer than 0.8 radius.
    return {{"D", d}, {"P", d * LogUniform(g, 0.4, 10)}, {"N", std::round(LogUniform(g, 5, 500))}};
}

Values MultiCoil(Rng& g) {
    const double d = LogUniform(g, 3e-3, 50e-3);
    return {{"D", d},
            {"E", d * std::uniform_real_distribution<double>(0.05, 0.4)(g)},
            {"P", d * LogUniform(g, 0.2, 3)},
            {"N", std::round(LogUniform(g, 20, 2000))}};
}

// Tracks and gaps of 0.15 to 1 mm each, so that the turns fit between D1 and D2.
Values PrintedCoil(Rng& g) {
    for (;;) {
        const double outer = LogUniform(g, 5e-3, 50e-3);
        const double inner = outer * std::uniform_real_distribution<double>(0.1, 0.8)(g);
        const int fit = static_cast<int>((outer - inner) / 2 / LogUniform(g, 0.3e-3, 2e-3));
        if (fit < 2)
            continue;
        // A quarter of them fill the ring between D1 and D2, as most spirals do.
        const bool filled = std::bernoulli_distribution(0.25)(g);
        return {{"D1", inner},
                {"D2", outer},
                {"N", filled ? fit : std::uniform_int_distribution<int>(2, fit)(g)}};
    }
}

struct Band {
    const char* stated;  // as the help topic writes it
    double low, high;    // form / true
};

struct Coil {
    const char* form;
    const char* topic;  // file in the help's topics folder
    Values (*draw)(Rng&);
    double (*inductance)(const Values&);
    const char* lengths[3];  // the sizes, typed in both modes
    Band inductanceBand;     // the form's L for the coil's sizes and turns
    Band turnsBand;          // the form's N for the coil's sizes and its true L
};

const Coil kCoils[] = {
    {"single-layer-coil",
     "175-single-layer-coil.html",
     SingleCoil,
     WheelerSingle,
     {"D", "P"},
     {"0.92 to 1.04 ten-thousandths", 0.92e-4, 1.04e-4},
     {"98 to 105 times", 98, 105}},
    {"multi-layer-coil",
     "215-multi-layer-coil.html",
     MultiCoil,
     WheelerMulti,
     {"D", "E", "P"},
     {"1.08 to 2.75 ten-thousandths", 1.08e-4, 2.75e-4},
     {"60 to 97 times", 60, 97}},
    {"printed-coil",
     "230-printed-coil.html",
     PrintedCoil,
     MohanSquare,
     {"D1", "D2"},
     {"1.05 to 3.65 hundred-thousandths", 1.05e-5, 3.65e-5},
     {"460 to 960 times", 460, 960}},
};

std::string Typed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

// What the form shows, read back as a number, for the given inputs in the given mode.
double Shown(const engine::FormModel& form, int mode, const Values& typed, const char* shown) {
    engine::FormState state = engine::DefaultState(form);
    state.modes[0] = mode;
    for (const auto& [name, value] : typed)
        state.texts[static_cast<size_t>(form.FieldIndexByName(name))] = Typed(value);
    const engine::FormResult result = engine::Recalculate(form, state);
    return ParseEngValue(result.texts[static_cast<size_t>(form.FieldIndexByName(shown))]);
}

// The topic's source with each run of blanks and line ends made one blank.
std::string TopicText(const char* file) {
    std::ifstream in(std::string(VOLTARIS_HELP_TOPICS_DIR) + "/" + file);
    std::string text;
    for (auto it = std::istreambuf_iterator<char>(in); it != std::istreambuf_iterator<char>(); ++it) {
        const bool blank = *it == ' ' || *it == '\n' || *it == '\r' || *it == '\t';
        if (!blank || (!text.empty() && text.back() != ' '))
            text += blank ? ' ' : *it;
    }
    return text;
}

void ExpectWithin(const Band& band, double lowest, double highest, const std::string& topic) {
    SCOPED_TRACE(band.stated);
    EXPECT_NE(topic.find(band.stated), std::string::npos) << "the topic does not state the band";
    EXPECT_GE(lowest, band.low);
    EXPECT_LE(highest, band.high);
    EXPECT_LT(lowest, band.low * 1.1) << "the band reaches needlessly low";
    EXPECT_GT(highest, band.high / 1.1) << "the band reaches needlessly high";
}

TEST(CoilFormulas, FormOverPublishedFormulaStaysInTheBandItsTopicStates) {
    for (const Coil& coil : kCoils) {
        SCOPED_TRACE(coil.form);
        const engine::FormModel& form = *engine::FindForm(coil.form);
        Rng rng(20261209);
        double lowL = INFINITY, highL = 0, lowN = INFINITY, highN = 0;
        int shown = 0;
        for (int i = 0; i < 2000; ++i) {
            // The inputs as the form reads them, so the formula sees the same coil.
            Values coilValues = coil.draw(rng);
            for (auto& [name, value] : coilValues)
                value = ParseEngValue(Typed(value));
            const double inductance = coil.inductance(coilValues);
            const double formL = Shown(form, 0, coilValues, "L");
            if (formL == 0)
                continue;  // below 1 p, which the display shows as 0
            ++shown;
            const double l = formL / inductance;
            Values known{{"L", ParseEngValue(Typed(inductance))}};
            for (const char* name : coil.lengths) {
                if (name != nullptr)
                    known[name] = coilValues.at(name);
            }
            const double n = Shown(form, 1, known, "N") / coilValues.at("N");
            lowL = std::min(lowL, l), highL = std::max(highL, l);
            lowN = std::min(lowN, n), highN = std::max(highN, n);
        }
        std::printf("%s: L %.4g to %.4g, N %.4g to %.4g\n", coil.form, lowL, highL, lowN, highN);
        EXPECT_GT(shown, 1500);
        const std::string topic = TopicText(coil.topic);
        ExpectWithin(coil.inductanceBand, lowL, highL, topic);
        ExpectWithin(coil.turnsBand, lowN, highN, topic);
    }
}

}  // namespace
