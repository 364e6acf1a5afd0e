#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/EngValue.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/oscillators/Astable555.h"
#include "engine/parts/FormParts.h"
#include "engine/parts/PartsReport.h"
#include "engine/parts/PartsText.h"
#include "engine/semiconductors/ClassAAmp.h"

using namespace engine;
using namespace engine::parts;

namespace {

// The form as a user leaves it in a mode: opened, switched, recalculated, so
// that the mode's inputs are the values the opening mode worked out.
FormState InMode(const FormModel& form, int mode) {
    FormState state = OpenedState(form);
    state.modes[0] = mode;
    state.texts = Recalculate(form, state).texts;
    return state;
}

bool IsInput(const FormModel& form, int mode, int field) {
    const std::vector<int>& inputs = form.inputsByMode[static_cast<size_t>(mode)];
    return std::find(inputs.begin(), inputs.end(), field) != inputs.end();
}

TEST(AsBuilt, EveryFormDeclaresItsParts) {
    for (const FormModel* form : AllForms()) {
        SCOPED_TRACE(form->className);
        if (form == &ClassAAmpModel())
            continue;
        const FormParts* declared = FindFormParts(*form);
        ASSERT_NE(declared, nullptr);
        if (declared->parts.empty()) {
            EXPECT_STRNE(declared->noParts, "");
            EXPECT_FALSE(AnalyseParts(*form, OpenedState(*form)).hasParts);
            continue;
        }
        ASSERT_EQ(declared->asBuiltMode.size(), form->inputsByMode.size());
        EXPECT_LE(declared->parts.size(), 8u);
        for (const int asBuilt : declared->asBuiltMode) {
            for (const int part : declared->parts) {
                const Quantity quantity = form->fields[static_cast<size_t>(part)].quantity;
                EXPECT_TRUE(quantity == Quantity::kResistance || quantity == Quantity::kCapacitance);
                EXPECT_TRUE(IsInput(*form, asBuilt, part)) << form->fields[static_cast<size_t>(part)].name;
            }
        }
    }
}

// In every mode: the form's values run through the as-built mode give the
// form's outputs back; once the standard values are put in, the parts
// report shows no deviation at all.
TEST(AsBuilt, ModeGivesTheFormsOutputsBack) {
    for (const FormModel* form : AllForms()) {
        const FormParts* declared = FindFormParts(*form);
        if (declared == nullptr || declared->parts.empty())
            continue;
        for (int mode = 0; mode < static_cast<int>(form->inputsByMode.size()); ++mode) {
            SCOPED_TRACE(std::string(form->className) + " mode " + std::to_string(mode));
            const FormState state = InMode(*form, mode);
            FormState asBuilt = state;
            asBuilt.modes[0] = declared->asBuiltMode[static_cast<size_t>(mode)];
            const std::vector<double> before = ParseFields(*form, state.texts);
            const std::vector<double> after = ParseFields(*form, Recalculate(*form, asBuilt).texts);
            for (size_t f = 0; f < before.size(); ++f) {
                if (before[f] != kErrorValue) {
                    EXPECT_NEAR(after[f], before[f], 5e-3 * std::fabs(before[f])) << form->fields[f].name;
                }
            }

            const std::optional<FormState> standard = StandardValuesState(*form, state);
            ASSERT_TRUE(standard);
            EXPECT_EQ(standard->modes[0], asBuilt.modes[0]);
            const PartsReport report = AnalyseParts(*form, *standard);
            for (const PartLine& part : report.parts) {
                ASSERT_TRUE(part.standardised) << part.name;
                EXPECT_NEAR(*part.deviationPercent, 0, 1e-4) << part.name;
            }
            for (const OutputLine& output : report.outputs) {
                if (output.formValue != kErrorValue) {
                    EXPECT_NEAR(output.nominal, output.formValue, 1e-4 * std::fabs(output.formValue))
                        << output.name;
                }
            }
        }
    }
}

// Every corner of the 555 astable worked out by hand, against the report.
TEST(AsBuilt, CornersAreTheExtremesOfEveryCombination) {
    const FormModel& form = Astable555Model();
    FormState state = OpenedState(form);
    state.texts[astable555::kR1] = "3.3k";
    state.texts[astable555::kR2] = "6.8k";
    state.texts[astable555::kC] = "47n";
    state.texts = Recalculate(form, state).texts;
    PartsOptions options;
    options.tolerancePercent["C"] = 20;
    options.tolerancePercent["R2"] = 1;
    const PartsReport report = AnalyseParts(form, state, options);
    ASSERT_EQ(report.corners, 8);

    std::vector<double> lowest(form.fields.size(), 1e300), highest(form.fields.size(), -1e300);
    for (const double r1 : {3.3e3 * 0.95, 3.3e3 * 1.05})
        for (const double r2 : {6.8e3 * 0.99, 6.8e3 * 1.01})
            for (const double c : {47e-9 * 0.8, 47e-9 * 1.2}) {
                std::vector<double> v = ParseFields(form, state.texts);
                v[astable555::kR1] = r1;
                v[astable555::kR2] = r2;
                v[astable555::kC] = c;
                const int modes[] = {astable555::kR1R2AndC};
                ComputeAstable555(v, modes);
                for (size_t f = 0; f < v.size(); ++f) {
                    lowest[f] = std::min(lowest[f], v[f]);
                    highest[f] = std::max(highest[f], v[f]);
                }
            }
    ASSERT_EQ(report.outputs.size(), 5u);
    for (const OutputLine& output : report.outputs) {
        SCOPED_TRACE(output.name);
        EXPECT_DOUBLE_EQ(output.min, lowest[static_cast<size_t>(output.field)]);
        EXPECT_DOUBLE_EQ(output.max, highest[static_cast<size_t>(output.field)]);
    }
    // The 20 % capacitor moves the times most, the 5 % R1 the duty cycle.
    const auto most = [&report](const char* name) {
        return std::find_if(report.outputs.begin(), report.outputs.end(),
                            [name](const OutputLine& o) { return o.name == name; })
            ->mostSensitive;
    };
    EXPECT_EQ(most("F"), "C");
    EXPECT_EQ(most("Duty"), "R1");
}

// Marks with one reason name all their subjects: "F, T, Th".
bool Marked(const PartsReport& report, const std::string& subject, const std::string& word) {
    return std::any_of(report.marks.begin(), report.marks.end(), [&](const Mark& mark) {
        const std::string names = ", " + mark.subject + ",";
        return names.find(", " + subject + ",") != std::string::npos &&
               mark.why.find(word) != std::string::npos;
    });
}

TEST(AsBuilt, MarksSayWhy) {
    const FormModel& form = Astable555Model();
    FormState state = OpenedState(form);
    state.texts[astable555::kR1] = "100";  // standard, but its 5 % corner is under the minimum
    state.texts[astable555::kR2] = "57.72k";
    state.texts = Recalculate(form, state).texts;
    const PartsReport report = AnalyseParts(form, state);
    EXPECT_TRUE(Marked(report, "R1", "discharge"));
    EXPECT_FALSE(Marked(report, "R2", ""));  // 56 K: -2.98 %, which the table shows
    EXPECT_TRUE(Marked(report, "F", "Error at 4 of 8"));
    EXPECT_FALSE(Marked(report, "C", ""));
    EXPECT_NE(PartsText(report).find("under 100 ohm"), std::string::npos);
}

// The stage built from the design's own values is the design: the analysis
// meets every figure the design worked out, for the opening design and one
// with a load and a set gain.
TEST(AsBuilt, ClassAStageAtItsDesignedValues) {
    struct Design {
        const char* vout;
        int maxGain, withLoad;
    };
    const FormModel& form = ClassAAmpModel();
    for (const Design& d : {Design{"1", 1, 0}, Design{"2", 0, 1}}) {
        FormState state = OpenedState(form);
        state.texts[class_a::kVout] = d.vout;
        state.checks = {d.maxGain, d.withLoad};
        const std::vector<double> v = ParseFields(form, state.texts);
        const ClassAInputs in{v[class_a::kVcc],  v[class_a::kBeta], v[class_a::kVin],
                              v[class_a::kVout], v[class_a::kFmin], v[class_a::kRc],
                              v[class_a::kRl],   d.maxGain != 0,    d.withLoad != 0};
        const ClassADesign design = DesignClassA(in);
        ASSERT_TRUE(design.operating);
        const PartsReport report = AnalyseParts(form, state);
        ASSERT_TRUE(report.hasParts);
        EXPECT_FALSE(report.canApply);
        EXPECT_EQ(report.corners, 1 << report.parts.size());
        const auto formValue = [&report](const char* name) {
            for (const OutputLine& o : report.outputs)
                if (o.name == name)
                    return o.formValue;
            return -1.0;
        };
        const std::pair<const char*, double> expected[] = {
            {"Ic", design.Ic},  {"VE", design.Ve},   {"VB", design.Vb},
            {"Vc", design.Vc},  {"Zin", design.Zin}, {"Gain w/l", design.gain},
            {"F Cin", in.fmin}, {"F Cout", in.fmin}, {"F Cby", in.fmin},
        };
        for (const auto& [name, value] : expected)
            EXPECT_NEAR(formValue(name), value, 1e-9 * value) << name;
    }
}

}  // namespace
