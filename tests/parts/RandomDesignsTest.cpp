// Parts reports over seeded random designs of every form and mode, against
// the circuits' formulas written out here: the as-built outputs, the range
// over every tolerance corner by brute force, and the best pair by trying
// every pair of standard values.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <random>
#include <string>

#include "core/EngValue.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/parts/ESeries.h"
#include "engine/parts/Pairs.h"
#include "engine/parts/PartsReport.h"
#include "engine/parts/PartsText.h"

using namespace engine;
using namespace engine::parts;

namespace {

using Values = std::map<std::string, double>;
// Fills in the outputs of the as-built mode; NaN where the form shows Error.
using Formula = std::function<void(Values& v, std::span<const int> modes)>;

const double kNone = NAN;

double Ratio(double a, double b) {
    return b > kTinyValue ? a / b : kNone;
}

void Astable(Values& v) {
    const double r1 = v["R1"], r2 = v["R2"], c = v["C"];
    v["Tl"] = 0.693 * c * r2;
    if (r1 < 100) {
        v["Th"] = v["T"] = v["F"] = v["Duty"] = kNone;
        return;
    }
    v["Th"] = 0.693 * (r1 + r2) * c;
    v["T"] = v["Th"] + v["Tl"];
    v["F"] = 1 / v["T"];
    v["Duty"] = 100 * (r1 + r2) / (r1 + 2 * r2);
}

// modes[0] is the mode the user picked; the formula is that of the mode the
// parts are built in.
const std::map<std::string, Formula>& Formulas() {
    static const std::map<std::string, Formula> formulas{
        {"ohms-law",
         [](Values& v, std::span<const int> modes) {
             const int asBuilt[] = {0, 1, 2, 1, 0, 1};  // R and I, R and U, R and P
             const double r = v["R"];
             switch (asBuilt[modes[0]]) {
                 case 0:
                     v["U"] = v["I"] * r;
                     v["P"] = v["I"] * v["I"] * r;
                     break;
                 case 1:
                     v["I"] = v["U"] / r;
                     v["P"] = v["U"] * v["U"] / r;
                     break;
                 default:
                     v["I"] = std::sqrt(v["P"] / r);
                     v["U"] = std::sqrt(v["P"] * r);
             }
         }},
        {"two-resistors",
         [](Values& v, std::span<const int> modes) {
             const double r1 = v["R1"], r2 = v["R2"], u = v["U"];
             if (modes[1] == 0) {
                 v["R"] = r1 + r2;
                 v["I"] = v["I1"] = v["I2"] = u / v["R"];
                 v["U1"] = u * r1 / v["R"];
                 v["U2"] = u * r2 / v["R"];
             } else {
                 v["R"] = r1 * r2 / (r1 + r2);
                 v["U1"] = v["U2"] = u;
                 v["I1"] = u / r1;
                 v["I2"] = u / r2;
                 v["I"] = u / r1 + u / r2;
             }
         }},
        {"two-capacitors",
         [](Values& v, std::span<const int> modes) {
             const double c1 = v["C1"], c2 = v["C2"], u = v["U"];
             if (modes[1] == 1) {
                 v["C"] = c1 + c2;
                 v["U1"] = v["U2"] = u;
             } else {
                 v["C"] = c1 * c2 / (c1 + c2);
                 v["U1"] = u * c2 / (c1 + c2);
                 v["U2"] = u * c1 / (c1 + c2);
             }
         }},
        {"filter-cap",
         [](Values& v, std::span<const int> modes) {
             const double k = modes[1] == 0 ? 4.5e-3 : 1.5e-3;
             if (modes[0] == 2)
                 v["I"] = v["DeltaU"] * v["C"] / k;
             else
                 v["DeltaU"] = k * v["I"] / v["C"];
         }},
        {"zener",
         [](Values& v, std::span<const int>) {
             const double uz = v["Uz"], r = v["R"];
             v["Rcmin"] = uz / v["Icmax"];
             v["Umin"] = (r / v["Rcmin"] + 1) * uz;
             v["Umax"] = v["Pzmax"] * r / uz + uz;
             if (v["Umax"] - v["Umin"] < kTinyValue)
                 v["Umax"] = v["Umin"] = v["Rcmin"] = kNone;
         }},
        {"inverting-amp", [](Values& v, std::span<const int>) { v["G"] = Ratio(v["R2"], v["R1"]); }},
        {"non-inverting-amp",
         [](Values& v, std::span<const int>) { v["G"] = Ratio(v["R1"] + v["R2"], v["R1"]); }},
        {"differentiator", [](Values& v, std::span<const int>) { v["DeltaT"] = 0.7 * v["R"] * v["C"]; }},
        {"integrator", [](Values& v, std::span<const int>) { v["DeltaT"] = 0.7 * v["R"] * v["C"]; }},
        {"summator",
         [](Values& v, std::span<const int>) {
             v["G1"] = v["R3"] / v["R1"];
             v["G2"] = v["R3"] / v["R2"];
         }},
        {"subtractor",
         [](Values& v, std::span<const int>) {
             const double r1 = v["R1"], r2 = v["R2"], r3 = v["R3"];
             v["G1"] = r2 / r1;
             v["G2"] = r2 * (r1 + r2) / (r1 * (r2 + r3));
         }},
        {"schmitt-trigger",
         [](Values& v, std::span<const int>) { v["Utrig"] = v["Upwr"] * v["R1"] / v["R2"]; }},
        {"astable-555", [](Values& v, std::span<const int>) { Astable(v); }},
        {"gate-astable",
         [](Values& v, std::span<const int>) {
             v["T"] = 0.7 * v["R"] * v["C"];
             v["F"] = 1 / v["T"];
         }},
        {"monostable-555", [](Values& v, std::span<const int>) { v["T"] = 1.1 * v["R1"] * v["C"]; }},
        {"rc-low-pass", [](Values& v, std::span<const int>) { v["Fc"] = 1 / (6.2832 * v["R"] * v["C"]); }},
        {"rc-high-pass", [](Values& v, std::span<const int>) { v["Fc"] = 1 / (6.2832 * v["R"] * v["C"]); }},
        {"rc-notch", [](Values& v, std::span<const int>) { v["Fc"] = 1 / (6.2832 * v["R"] * v["C"]); }},
    };
    return formulas;
}

// A realistic value for a field, by what it holds.
double Realistic(std::mt19937& random, const FieldModel& field) {
    const auto logUniform = [&random](double low, double high) {
        return low * std::pow(high / low, std::uniform_real_distribution<double>(0, 1)(random));
    };
    const std::string name = field.name;
    if (name == "Duty")
        return std::uniform_real_distribution<double>(52, 95)(random);
    switch (field.quantity) {
        case Quantity::kResistance:
            return logUniform(10, 1e6);
        case Quantity::kCapacitance:
            return logUniform(100e-12, 1e-3);
        case Quantity::kVoltage:
            return logUniform(0.5, 50);
        case Quantity::kCurrent:
            return logUniform(1e-4, 2);
        case Quantity::kPower:
            return logUniform(0.05, 10);
        case Quantity::kFrequency:
            return logUniform(1, 1e6);
        case Quantity::kTime:
            return logUniform(1e-6, 10);
        default:
            return logUniform(0.2, 200);
    }
}

std::string Text(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

Values Named(const FormModel& form, const std::vector<double>& values) {
    Values named;
    for (size_t f = 0; f < form.fields.size(); ++f)
        named[form.fields[f].name] = values[f];
    return named;
}

// The outputs of the formula for the parts at `parts` and the rest of the design at `design`.
Values Outputs(const Formula& formula, const PartsReport& report, Values design,
               std::span<const double> parts, std::span<const int> modes) {
    for (size_t p = 0; p < parts.size(); ++p)
        design[report.parts[p].name] = parts[p];
    formula(design, modes);
    return design;
}

bool Near(double a, double b, double relative) {
    return std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b));
}

// Every pair of standard values from four decades below the target to one above.
double BestPairError(double target, Series series) {
    std::vector<double> values;
    const int top = static_cast<int>(std::floor(std::log10(target)));
    for (int decade = top - 4; decade <= top + 1; ++decade)
        for (const double m : SeriesDecade(series))
            values.push_back(m * std::pow(10.0, decade));
    double best = INFINITY;
    for (const double a : values)
        for (const double b : values)
            best = std::min({best, std::fabs(a + b - target), std::fabs(1 / (1 / a + 1 / b) - target)});
    return best;
}

void CheckPair(const PartLine& part) {
    const double single = std::fabs(part.standard - part.formValue);
    const double brute = BestPairError(part.formValue, part.series);
    if (!part.pair) {
        EXPECT_GE(brute, single - 2e-6 * part.formValue) << part.name << " " << part.formValue;
        return;
    }
    const double error = std::fabs(part.pair->value - part.formValue);
    EXPECT_LE(error, brute + 1e-6 * part.formValue) << part.name << " " << part.formValue;
    const double together =
        part.pair->reciprocal ? 1 / (1 / part.pair->a + 1 / part.pair->b) : part.pair->a + part.pair->b;
    EXPECT_NEAR(together, part.pair->value, 1e-12 * together);
}

struct Tally {
    int built = 0;    // designs with every part standardised
    int unbuilt = 0;  // designs with a part that has none
};

void CheckDesign(const FormModel& form, const Formula& formula, const FormState& given,
                 const PartsOptions& options, Tally& tally) {
    const PartsReport report = AnalyseParts(form, given, options);
    ASSERT_TRUE(report.hasParts);
    std::vector<double> computed = ParseFields(form, given.texts);
    Compute(form, computed, given.modes, given.checks, nullptr);
    const Values design = Named(form, computed);

    std::vector<double> standard, tolerance;
    std::vector<size_t> missing;
    for (size_t p = 0; p < report.parts.size(); ++p) {
        const PartLine& part = report.parts[p];
        standard.push_back(part.standard);
        tolerance.push_back(part.tolerancePercent / 100);
        if (!part.standardised) {
            missing.push_back(p);
            EXPECT_FALSE(part.refused.empty());
            continue;
        }
        EXPECT_EQ(Nearest(part.standard, part.series)->Value(), part.standard);
        EXPECT_LE(std::fabs(part.standard - part.formValue),
                  std::fabs(Nearest(part.formValue, part.series)->Value() - part.formValue) * (1 + 1e-9));
        CheckPair(part);
    }

    if (!missing.empty()) {
        ++tally.unbuilt;
        // An output that moves with a part that has no value has none itself.
        std::vector<double> one = standard, other = standard;
        for (const size_t p : missing) {
            one[p] = 1234.5 * (p + 1);
            other[p] = 7.1 * (p + 2);
        }
        const Values a = Outputs(formula, report, design, one, given.modes);
        const Values b = Outputs(formula, report, design, other, given.modes);
        for (const OutputLine& output : report.outputs) {
            if (!Near(a.at(output.name), b.at(output.name), 1e-12) || std::isnan(a.at(output.name))) {
                EXPECT_FALSE(output.noValue.empty()) << output.name;
            }
        }
        return;
    }
    ++tally.built;
    const Values nominal = Outputs(formula, report, design, standard, given.modes);
    std::map<std::string, double> low, high;
    std::map<std::string, int> failed;
    const int n = static_cast<int>(standard.size());
    for (int mask = 0; mask < (1 << n); ++mask) {
        std::vector<double> corner = standard;
        for (int p = 0; p < n; ++p)
            corner[p] *= (mask >> p & 1) != 0 ? 1 + tolerance[p] : 1 - tolerance[p];
        for (const auto& [name, value] : Outputs(formula, report, design, corner, given.modes)) {
            if (!std::isfinite(value) || value == kErrorValue) {
                ++failed[name];
                continue;
            }
            low[name] = low.count(name) ? std::min(low[name], value) : value;
            high[name] = high.count(name) ? std::max(high[name], value) : value;
        }
    }
    for (const OutputLine& output : report.outputs) {
        SCOPED_TRACE(output.name);
        EXPECT_TRUE(output.noValue.empty());
        const double want = nominal.at(output.name);
        if (std::isnan(want)) {
            EXPECT_EQ(output.nominal, kErrorValue);
            continue;
        }
        EXPECT_TRUE(Near(output.nominal, want, 1e-9)) << output.nominal << " vs " << want;
        EXPECT_EQ(output.failedCorners, failed[output.name]);
        if (low.count(output.name) != 0) {
            EXPECT_TRUE(Near(output.min, low[output.name], 1e-9)) << output.min << " vs " << low[output.name];
            EXPECT_TRUE(Near(output.max, high[output.name], 1e-9))
                << output.max << " vs " << high[output.name];
        }
    }
}

TEST(RandomDesigns, PartsOfEveryFormAndModeAgreeWithTheirFormulas) {
    std::mt19937 random(20261209);
    const Series seriesR[] = {Series::kE6, Series::kE12, Series::kE24, Series::kE96};
    const Series seriesC[] = {Series::kE3, Series::kE6, Series::kE12};
    int forms = 0;
    for (const FormModel* form : AllForms()) {
        const auto formula = Formulas().find(form->alias);
        if (formula == Formulas().end()) {
            EXPECT_FALSE(HasParts(*form) && form->design == nullptr) << form->alias << " has no formula here";
            continue;
        }
        ++forms;
        const size_t secondModes = form->radioGroups.size() > 1 ? form->radioGroups[1].modes.size() : 1;
        for (size_t mode = 0; mode < form->radioGroups[0].modes.size(); ++mode) {
            for (size_t second = 0; second < secondModes; ++second) {
                SCOPED_TRACE(std::string(form->alias) + " mode " + std::to_string(mode) + "/" +
                             std::to_string(second));
                Tally tally;
                for (int attempt = 0; attempt < 400 && tally.built < 50; ++attempt) {
                    FormState given = OpenedState(*form);
                    given.modes[0] = static_cast<int>(mode);
                    if (secondModes > 1)
                        given.modes[1] = static_cast<int>(second);
                    for (size_t f = 0; f < form->fields.size(); ++f)
                        given.texts[f] = Text(Realistic(random, form->fields[f]));
                    PartsOptions options;
                    options.seriesR = seriesR[random() % std::size(seriesR)];
                    options.seriesC = seriesC[random() % std::size(seriesC)];
                    CheckDesign(*form, formula->second, given, options, tally);
                    if (HasFailure())
                        return;
                }
                EXPECT_GE(tally.built, 50);
            }
        }
    }
    EXPECT_EQ(forms, 18);
}

}  // namespace
