// Every form that is a circuit, simulated: its deck runs in ngspice and what
// the simulator measures agrees with what the form says, within 1 % where the
// form's formula is the circuit's, within the band its help topic states
// where the formula is a rule of thumb.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "Ngspice.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/spice/SpiceDeck.h"

namespace {

struct Case {
    const char* form;
    std::vector<int> modes;  // empty: the form's defaults
    std::vector<std::pair<const char*, const char*>> typed;
    std::vector<int> checks = {};
};

// Texts as a user types them, modes as a user picks them.
const Case kCases[] = {
    {"ohms-law", {}, {}},
    {"ohms-law", {1}, {{"R", "470"}, {"U", "12"}}},
    {"ohms-law", {5}, {{"U", "5"}, {"P", "250m"}}},
    {"ohms-law", {3}, {{"I", "20m"}, {"U", "3.3"}}},
    {"two-resistors", {}, {}},
    {"two-resistors", {0, 1}, {{"R1", "4.7k"}, {"R2", "10k"}, {"U", "12"}}},
    {"two-resistors", {1, 0}, {{"R", "15k"}, {"R1", "10k"}, {"U", "5"}}},
    {"two-resistors", {1, 1}, {{"R", "1k"}, {"R1", "2.2k"}, {"U", "9"}}},
    {"two-capacitors", {}, {}},
    {"two-capacitors", {0, 1}, {{"C1", "100n"}, {"C2", "47n"}, {"U", "5"}}},
    {"two-capacitors", {1, 0}, {{"C", "10n"}, {"C1", "22n"}, {"U", "12"}}},
    {"two-capacitors", {1, 1}, {{"C", "1\xB5"}, {"C1", "470n"}, {"U", "3"}}},
    {"filter-cap", {}, {}},
    {"filter-cap", {0, 0}, {{"I", "500m"}, {"DeltaU", "2"}}},
    {"filter-cap", {1, 1}, {{"C", "4700\xB5"}, {"I", "1"}}},
    {"filter-cap", {2, 0}, {{"C", "2200\xB5"}, {"DeltaU", "1.5"}}},
    {"zener", {}, {}},
    {"zener", {1}, {{"Umax", "15"}, {"Umin", "12"}, {"Uz", "9.1"}, {"Icmax", "20m"}}},
    {"zener", {2}, {{"Uz", "5.1"}, {"Pzmax", "1"}, {"R", "100"}, {"Icmax", "30m"}}},
    {"zener", {0}, {{"Umax", "24"}, {"Umin", "18"}, {"Uz", "12"}, {"Pzmax", "1.3"}}},
    {"class-a-amp", {}, {}},
    {"class-a-amp", {}, {{"Vout", "1"}}, {0, 0}},
    {"class-a-amp", {}, {{"Vcc", "15"}, {"Vout", "2"}, {"Rl", "10k"}, {"Rc", "1k"}}, {0, 1}},
    {"class-a-amp", {}, {{"B", "200"}, {"Rc", "1k"}, {"Rl", "4.7k"}, {"Vin", "20m"}}, {1, 1}},
    {"inverting-amp", {}, {}},
    {"inverting-amp", {0}, {{"R1", "10k"}, {"R2", "100k"}}},
    {"inverting-amp", {1}, {{"R1", "1k"}, {"G", "22"}}},
    {"inverting-amp", {0}, {{"R1", "47k"}, {"R2", "4.7k"}}},
    {"non-inverting-amp", {}, {}},
    {"non-inverting-amp", {0}, {{"R1", "1k"}, {"R2", "99k"}}},
    {"non-inverting-amp", {1}, {{"R1", "10k"}, {"G", "2"}}},
    {"non-inverting-amp", {1}, {{"R1", "2.2k"}, {"G", "11"}}},
    {"differentiator", {}, {}},
    {"differentiator", {0}, {{"R", "10k"}, {"C", "100n"}}},
    {"differentiator", {1}, {{"R", "100k"}, {"DeltaT", "1m"}}},
    {"differentiator", {0}, {{"R", "1k"}, {"C", "1\xB5"}}},
    {"integrator", {}, {}},
    {"integrator", {0}, {{"R", "100k"}, {"C", "1\xB5"}}},
    {"integrator", {1}, {{"R", "10k"}, {"DeltaT", "7m"}}},
    {"integrator", {0}, {{"R", "4.7k"}, {"C", "220p"}}},
    {"summator", {}, {}},
    {"summator", {0}, {{"R1", "10k"}, {"R2", "22k"}, {"R3", "47k"}}},
    {"summator", {1}, {{"R3", "100k"}, {"G1", "2"}, {"G2", "5"}}},
    {"summator", {0}, {{"R1", "1k"}, {"R2", "1k"}, {"R3", "1k"}}},
    {"subtractor", {}, {}},
    {"subtractor", {0}, {{"R1", "10k"}, {"R2", "10k"}, {"R3", "10k"}}},
    {"subtractor", {1}, {{"R2", "47k"}, {"G1", "4.7"}, {"G2", "4"}}},
    {"subtractor", {0}, {{"R1", "1k"}, {"R2", "10k"}, {"R3", "2.2k"}}},
    {"schmitt-trigger", {}, {}},
    {"schmitt-trigger", {0}, {{"R1", "10k"}, {"R2", "100k"}, {"Upwr", "15"}}},
    {"schmitt-trigger", {1}, {{"R2", "100k"}, {"Utrig", "2.5"}, {"Upwr", "15"}}},
    {"schmitt-trigger", {0}, {{"R1", "1k"}, {"R2", "47k"}, {"Upwr", "5"}}},
    {"astable-555", {}, {}},
    {"astable-555", {0}, {{"R1", "1k"}, {"R2", "10k"}, {"C", "100n"}}},
    {"astable-555", {1}, {{"C", "10n"}, {"Th", "600\xB5"}, {"Tl", "400\xB5"}}},
    {"astable-555", {2}, {{"C", "10n"}, {"F", "1k"}, {"Duty", "60"}}},
    {"monostable-555", {}, {}},
    {"monostable-555", {0}, {{"R1", "100k"}, {"C", "10\xB5"}}},
    {"monostable-555", {1}, {{"R1", "47k"}, {"T", "10m"}}},
    {"monostable-555", {0}, {{"R1", "1M"}, {"C", "100n"}}},
    {"gate-astable", {}, {}},
    {"gate-astable", {0}, {{"R", "100k"}, {"C", "10n"}}},
    {"gate-astable", {1}, {{"R", "47k"}, {"T", "1m"}}},
    {"gate-astable", {0}, {{"R", "10k"}, {"C", "1n"}}},
    {"rc-low-pass", {}, {}},
    {"rc-low-pass", {0}, {{"R", "10k"}, {"C", "100n"}}},
    {"rc-low-pass", {1}, {{"C", "10n"}, {"Fc", "1k"}}},
    {"rc-low-pass", {0}, {{"R", "1k"}, {"C", "1\xB5"}}},
    {"rc-high-pass", {}, {}},
    {"rc-high-pass", {0}, {{"R", "10k"}, {"C", "100n"}}},
    {"rc-high-pass", {1}, {{"C", "10n"}, {"Fc", "1k"}}},
    {"rc-high-pass", {0}, {{"R", "1k"}, {"C", "1\xB5"}}},
    {"rc-notch", {}, {}},
    {"rc-notch", {0}, {{"R", "10k"}, {"C", "100n"}}},
    {"rc-notch", {1}, {{"C", "10n"}, {"Fc", "50"}}},
    {"rc-notch", {0}, {{"R", "1k"}, {"C", "1\xB5"}}},
};

// Simulated / form, for the rules of thumb: the extremes the cases below
// gave, widened a little; the help topics state the same bands.
struct Band {
    const char* form;
    const char* measure;  // null: every measure of the form
    double low, high;
};
const Band kRoughRules[] = {
    {"filter-cap", nullptr, 3.5, 5.5},        // measured 3.9 to 4.8
    {"class-a-amp", "gain", 0.9, 1.3},        // driven at the design's amplitude
    {"class-a-amp", "gain_ss", 0.99, 1.3},    // a hundredth of it
    {"class-a-amp", nullptr, 0.75, 1.2},      // operating point, over random designs
    {"gate-astable", "period", 3.1, 3.4},     // 3.24 to 3.28
    {"gate-astable", "f", 0.29, 0.32},        // 0.305 to 0.309
    {"differentiator", nullptr, 1.41, 1.45},  // 1.4286: the stage's time constant is R C
    {"integrator", nullptr, 1.41, 1.45},
};

std::pair<double, double> BandOf(const std::string& form, const std::string& measure) {
    for (const Band& band : kRoughRules) {
        if (form == band.form && (band.measure == nullptr || measure == band.measure))
            return {band.low, band.high};
    }
    return {0.99, 1.01};
}

engine::FormState Typed(const engine::FormModel& form, const Case& c) {
    engine::FormState state = engine::DefaultState(form);
    if (!c.modes.empty())
        state.modes = c.modes;
    if (!c.checks.empty())
        state.checks = c.checks;
    for (const auto& [name, text] : c.typed)
        state.texts[form.FieldIndexByName(name)] = text;
    state.texts = engine::Recalculate(form, state).texts;
    return state;
}

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.form;
    for (const auto& [name, text] : c.typed)
        *out << " " << name << "=" << text;
}

class SimulatedForm : public testing::TestWithParam<Case> {};

TEST_P(SimulatedForm, AgreesWithTheForm) {
    const Case& c = GetParam();
    const engine::FormModel* form = engine::FindForm(c.form);
    ASSERT_NE(form, nullptr);
    const engine::SpiceDeckResult deck = engine::BuildSpiceDeck(*form, Typed(*form, c), {});
    ASSERT_FALSE(deck.measures.empty()) << deck.text;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("voltaris-" + std::string(c.form) + "-" + std::to_string(getpid()) + ".cir"))
                                 .string();
    const spice_test::NgspiceRun run = spice_test::RunNgspice(deck.text, path);
    std::filesystem::remove(path);
    for (const engine::SpiceMeasure& measure : deck.measures) {
        const auto found = run.measures.find(measure.name);
        ASSERT_NE(found, run.measures.end()) << measure.name << " not measured\n" << deck.text << run.output;
        const double ratio = found->second / measure.formValue;
        const auto [low, high] = BandOf(c.form, measure.name);
        EXPECT_TRUE(ratio >= low && ratio <= high)
            << c.form << " " << measure.name << ": simulated " << found->second << ", form "
            << measure.formValue << ", ratio " << ratio << " outside [" << low << ", " << high << "]\n"
            << deck.text;
    }
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    std::string name = info.param.form;
    for (char& ch : name) {
        if (ch == '-')
            ch = '_';
    }
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Forms, SimulatedForm, testing::ValuesIn(kCases), CaseName);

// The single-pole op-amp (1 MHz, rails) runs too, in every stage that has an
// op-amp; its figures are not the form's, so only that it measures everything.
TEST(SimulatedForms, SinglePoleOpampDecksRun) {
    engine::SpiceOptions options;
    options.opamp = engine::OpampModel::kGbw;
    for (const char* alias :
         {"inverting-amp", "non-inverting-amp", "differentiator", "integrator", "summator", "subtractor",
          "schmitt-trigger", "rc-low-pass", "rc-high-pass", "rc-notch"}) {
        const engine::FormModel& form = *engine::FindForm(alias);
        const engine::SpiceDeckResult deck = engine::BuildSpiceDeck(form, engine::OpenedState(form), options);
        ASSERT_NE(deck.text.find("1 MHz gain-bandwidth"), std::string::npos) << deck.text;
        const std::string path =
            (std::filesystem::temp_directory_path() /
             ("voltaris-gbw-" + std::string(alias) + "-" + std::to_string(getpid()) + ".cir"))
                .string();
        const spice_test::NgspiceRun run = spice_test::RunNgspice(deck.text, path);
        std::filesystem::remove(path);
        for (const engine::SpiceMeasure& measure : deck.measures)
            EXPECT_TRUE(run.measures.count(measure.name)) << alias << " " << measure.name << "\n"
                                                          << run.output;
    }
}

// Every form that is a circuit has cases above, defaults included.
TEST(SimulatedForms, EveryCircuitHasItsCases) {
    for (const engine::FormModel* form : engine::AllForms()) {
        if (!engine::HasSpiceDeck(*form))
            continue;
        int cases = 0;
        bool defaults = false;
        for (const Case& c : kCases) {
            if (engine::FindForm(c.form) == form) {
                ++cases;
                defaults = defaults || (c.modes.empty() && c.typed.empty() && c.checks.empty());
            }
        }
        EXPECT_GE(cases, 4) << form->alias;
        EXPECT_TRUE(defaults) << form->alias;
    }
}

}  // namespace
