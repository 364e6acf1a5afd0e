// Every circuit form over seeded random designs across its realistic range,
// in every mode, plus designs at the edges: each deck runs in ngspice (many
// decks per process) and what it measures agrees with the form's own fields
// (the class A stage: its operating list) within the band its help topic
// states, display rounding included. The header quotes the fields' texts.
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "Ngspice.h"
#include "core/EngValue.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/spice/SpiceDeck.h"

namespace {

using Rng = std::mt19937;
using Typed = std::map<std::string, std::string>;

double LogUniform(Rng& rng, double low, double high) {
    return std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(rng));
}

// Three significant digits with the notation's prefix, as a user types: "4.7k", "12.3n".
std::string Eng(double value) {
    static const char* const kPrefixes[] = {"p", "n", "\xB5", "m", "", "k", "M", "G"};
    int exponent = static_cast<int>(std::floor(std::log10(value) / 3));
    exponent = std::clamp(exponent, -4, 3);
    char text[32];
    std::snprintf(text, sizeof text, "%.3g%s", value / std::pow(1000.0, exponent), kPrefixes[exponent + 4]);
    return text;
}

struct Generator {
    const char* form;
    std::vector<int> modes;
    std::vector<int> checks;  // empty: the form's defaults
    int designs;
    void (*draw)(Rng&, Typed&);
};

#define DRAW [](Rng & g, Typed & t)
auto L = LogUniform;

const Generator kGenerators[] = {
    {"ohms-law", {0}, {}, 9, DRAW{t = {{"R", Eng(L(g, 10, 1e6))}, {"I", Eng(L(g, 1e-5, 1))}};
}  // namespace
}
, {"ohms-law", {1}, {}, 9, DRAW{t = {{"R", Eng(L(g, 10, 1e6))}, {"U", Eng(L(g, 0.1, 100))}};
}
}
, {"ohms-law", {2}, {}, 9, DRAW{t = {{"R", Eng(L(g, 10, 1e6))}, {"P", Eng(L(g, 1e-3, 10))}};
}
}
, {"ohms-law", {3}, {}, 9, DRAW{t = {{"I", Eng(L(g, 1e-5, 1))}, {"U", Eng(L(g, 0.1, 100))}};
}
}
, {"ohms-law", {4}, {}, 9, DRAW{t = {{"I", Eng(L(g, 1e-5, 1))}, {"P", Eng(L(g, 1e-3, 10))}};
}
}
, {"ohms-law", {5}, {}, 9, DRAW{t = {{"U", Eng(L(g, 0.1, 100))}, {"P", Eng(L(g, 1e-3, 10))}};
}
}
, {"two-resistors", {0, 0}, {}, 13,
   DRAW{t = {{"R1", Eng(L(g, 100, 1e6))}, {"R2", Eng(L(g, 100, 1e6))}, {"U", Eng(L(g, 1, 50))}};
}
}
, {"two-resistors", {0, 1}, {}, 13,
   DRAW{t = {{"R1", Eng(L(g, 100, 1e6))}, {"R2", Eng(L(g, 100, 1e6))}, {"U", Eng(L(g, 1, 50))}};
}
}
, {"two-resistors", {1, 0}, {}, 13, DRAW{const double r1 = L(g, 100, 1e6);
t = {{"R1", Eng(r1)}, {"R", Eng(r1* L(g, 1.1, 10))}, {"U", Eng(L(g, 1, 50))}};
}
}
, {"two-resistors", {1, 1}, {}, 13, DRAW{const double r1 = L(g, 100, 1e6);
t = {{"R1", Eng(r1)}, {"R", Eng(r1* L(g, 0.1, 0.9))}, {"U", Eng(L(g, 1, 50))}};
}
}
, {"two-capacitors", {0, 0}, {}, 13,
   DRAW{t = {{"C1", Eng(L(g, 1e-9, 1e-5))}, {"C2", Eng(L(g, 1e-9, 1e-5))}, {"U", Eng(L(g, 1, 50))}};
}
}
, {"two-capacitors", {0, 1}, {}, 13,
   DRAW{t = {{"C1", Eng(L(g, 1e-9, 1e-5))}, {"C2", Eng(L(g, 1e-9, 1e-5))}, {"U", Eng(L(g, 1, 50))}};
}
}
, {"two-capacitors", {1, 0}, {}, 13, DRAW{const double c1 = L(g, 1e-9, 1e-5);
t = {{"C1", Eng(c1)}, {"C", Eng(c1* L(g, 0.1, 0.9))}, {"U", Eng(L(g, 1, 50))}};
}
}
, {"two-capacitors", {1, 1}, {}, 13, DRAW{const double c1 = L(g, 1e-9, 1e-5);
t = {{"C1", Eng(c1)}, {"C", Eng(c1* L(g, 1.1, 10))}, {"U", Eng(L(g, 1, 50))}};
}
}
, {"filter-cap", {0, 0}, {}, 9, DRAW{t = {{"I", Eng(L(g, 0.01, 5))}, {"DeltaU", Eng(L(g, 0.1, 5))}};
}
}
, {"filter-cap", {0, 1}, {}, 9, DRAW{t = {{"I", Eng(L(g, 0.01, 5))}, {"DeltaU", Eng(L(g, 0.1, 5))}};
}
}
, {"filter-cap", {1, 0}, {}, 9, DRAW{t = {{"C", Eng(L(g, 1e-4, 1e-2))}, {"I", Eng(L(g, 0.01, 5))}};
}
}
, {"filter-cap", {1, 1}, {}, 9, DRAW{t = {{"C", Eng(L(g, 1e-4, 1e-2))}, {"I", Eng(L(g, 0.01, 5))}};
}
}
, {"filter-cap", {2, 0}, {}, 9, DRAW{t = {{"C", Eng(L(g, 1e-4, 1e-2))}, {"DeltaU", Eng(L(g, 0.1, 5))}};
}
}
, {"filter-cap", {2, 1}, {}, 9, DRAW{t = {{"C", Eng(L(g, 1e-4, 1e-2))}, {"DeltaU", Eng(L(g, 0.1, 5))}};
}
}
, {"zener", {0}, {}, 17,
   DRAW{const double uz = L(g, 2.4, 30), umin = uz * L(g, 1.15, 2), umax = umin * L(g, 1.05, 1.6);
t = {{"Uz", Eng(uz)}, {"Umin", Eng(umin)}, {"Umax", Eng(umax)}, {"Pzmax", Eng(L(g, 0.1, 5))}};
}
}
, {"zener", {1}, {}, 17,
   DRAW{const double uz = L(g, 2.4, 30), umin = uz * L(g, 1.15, 2), umax = umin * L(g, 1.05, 1.6);
t = {{"Uz", Eng(uz)}, {"Umin", Eng(umin)}, {"Umax", Eng(umax)}, {"Icmax", Eng(L(g, 1e-3, 0.5))}};
}
}
, {"zener", {2}, {}, 17, DRAW{const double uz = L(g, 2.4, 30), ic = L(g, 1e-3, 0.5);
t = {{"Uz", Eng(uz)}, {"Icmax", Eng(ic)}, {"Pzmax", Eng(uz* ic* L(g, 1.5, 20))}, {"R", Eng(L(g, 1, 1e3))}};
}
}
, {"class-a-amp", {}, {1, 0}, 13,
   DRAW{t = {{"Vcc", Eng(L(g, 6, 24))},
             {"B", Eng(L(g, 50, 400))},
             {"Vin", Eng(L(g, 0.01, 0.2))},
             {"Fmin", Eng(L(g, 10, 1000))},
             {"Rc", Eng(L(g, 220, 10e3))},
             {"Rl", Eng(L(g, 1e3, 1e5))}};
}
}
, {"class-a-amp", {}, {1, 1}, 13,
   DRAW{t = {{"Vcc", Eng(L(g, 6, 24))},
             {"B", Eng(L(g, 50, 400))},
             {"Vin", Eng(L(g, 0.01, 0.2))},
             {"Fmin", Eng(L(g, 10, 1000))},
             {"Rc", Eng(L(g, 220, 10e3))},
             {"Rl", Eng(L(g, 1e3, 1e5))}};
}
}
, {"class-a-amp", {}, {0, 0}, 13, DRAW{const double vcc = L(g, 6, 24);
t = {{"Vcc", Eng(vcc)},
     {"B", Eng(L(g, 50, 400))},
     {"Vin", Eng(L(g, 0.01, 0.2))},
     {"Vout", Eng(L(g, 0.5, vcc / 3))},
     {"Fmin", Eng(L(g, 10, 1000))},
     {"Rc", Eng(L(g, 220, 10e3))},
     {"Rl", Eng(L(g, 1e3, 1e5))}};
}
}
, {"class-a-amp", {}, {0, 1}, 13, DRAW{const double vcc = L(g, 6, 24);
t = {{"Vcc", Eng(vcc)},
     {"B", Eng(L(g, 50, 400))},
     {"Vin", Eng(L(g, 0.01, 0.2))},
     {"Vout", Eng(L(g, 0.5, vcc / 3))},
     {"Fmin", Eng(L(g, 10, 1000))},
     {"Rc", Eng(L(g, 220, 10e3))},
     {"Rl", Eng(L(g, 1e3, 1e5))}};
}
}
, {"inverting-amp", {0}, {}, 26, DRAW{t = {{"R1", Eng(L(g, 1e3, 1e5))}, {"R2", Eng(L(g, 1e3, 1e6))}};
}
}
, {"inverting-amp", {1}, {}, 26, DRAW{t = {{"R1", Eng(L(g, 1e3, 1e5))}, {"G", Eng(L(g, 0.1, 100))}};
}
}
, {"non-inverting-amp", {0}, {}, 26, DRAW{t = {{"R1", Eng(L(g, 1e3, 1e5))}, {"R2", Eng(L(g, 1e3, 1e6))}};
}
}
, {"non-inverting-amp", {1}, {}, 26, DRAW{t = {{"R1", Eng(L(g, 1e3, 1e5))}, {"G", Eng(L(g, 1.1, 100))}};
}
}
, {"differentiator", {0}, {}, 26, DRAW{t = {{"R", Eng(L(g, 1e3, 1e6))}, {"C", Eng(L(g, 1e-9, 1e-5))}};
}
}
, {"differentiator", {1}, {}, 26, DRAW{t = {{"R", Eng(L(g, 1e3, 1e6))}, {"DeltaT", Eng(L(g, 1e-5, 1))}};
}
}
, {"integrator", {0}, {}, 26, DRAW{t = {{"R", Eng(L(g, 1e3, 1e6))}, {"C", Eng(L(g, 1e-9, 1e-5))}};
}
}
, {"integrator", {1}, {}, 26, DRAW{t = {{"R", Eng(L(g, 1e3, 1e6))}, {"DeltaT", Eng(L(g, 1e-5, 1))}};
}
}
, {"summator", {0}, {}, 26,
   DRAW{t = {{"R1", Eng(L(g, 1e3, 1e5))}, {"R2", Eng(L(g, 1e3, 1e5))}, {"R3", Eng(L(g, 1e3, 1e5))}};
}
}
, {"summator", {1}, {}, 26,
   DRAW{t = {{"G1", Eng(L(g, 0.1, 20))}, {"G2", Eng(L(g, 0.1, 20))}, {"R3", Eng(L(g, 1e3, 1e5))}};
}
}
, {"subtractor", {0}, {}, 26,
   DRAW{t = {{"R1", Eng(L(g, 1e3, 1e5))}, {"R2", Eng(L(g, 1e3, 1e5))}, {"R3", Eng(L(g, 1e3, 1e5))}};
}
}
, {"subtractor", {1}, {}, 26,
   DRAW{t = {{"G1", Eng(L(g, 0.1, 20))}, {"G2", Eng(L(g, 0.1, 20))}, {"R2", Eng(L(g, 1e3, 1e5))}};
}
}
, {"schmitt-trigger", {0}, {}, 26, DRAW{const double r1 = L(g, 1e3, 1e5);
t = {{"R1", Eng(r1)}, {"R2", Eng(r1* L(g, 2, 50))}, {"Upwr", Eng(L(g, 5, 15))}};
}
}
, {"schmitt-trigger", {1}, {}, 26, DRAW{const double upwr = L(g, 5, 15);
t = {{"R2", Eng(L(g, 1e4, 1e6))}, {"Upwr", Eng(upwr)}, {"Utrig", Eng(upwr* L(g, 0.02, 0.5))}};
}
}
, {"astable-555", {0}, {}, 17,
   DRAW{t = {{"R1", Eng(L(g, 1e3, 1e5))}, {"R2", Eng(L(g, 1e3, 1e6))}, {"C", Eng(L(g, 1e-9, 1e-5))}};
}
}
, {"astable-555", {1}, {}, 17, DRAW{const double tl = L(g, 1e-5, 0.1);
t = {{"C", Eng(L(g, 1e-9, 1e-6))}, {"Tl", Eng(tl)}, {"Th", Eng(tl* L(g, 1.05, 50))}};
}
}
, {"astable-555", {2}, {}, 17,
   DRAW{t = {{"C", Eng(L(g, 1e-9, 1e-6))}, {"F", Eng(L(g, 1, 1e5))}, {"Duty", Eng(L(g, 52, 98))}};
}
}
, {"monostable-555", {0}, {}, 26, DRAW{t = {{"R1", Eng(L(g, 1e3, 1e6))}, {"C", Eng(L(g, 1e-9, 1e-4))}};
}
}
, {"monostable-555", {1}, {}, 26, DRAW{t = {{"R1", Eng(L(g, 1e3, 1e6))}, {"T", Eng(L(g, 1e-6, 10))}};
}
}
, {"gate-astable", {0}, {}, 26, DRAW{t = {{"R", Eng(L(g, 1e4, 1e6))}, {"C", Eng(L(g, 1e-10, 1e-6))}};
}
}
, {"gate-astable", {1}, {}, 26, DRAW{t = {{"R", Eng(L(g, 1e4, 1e6))}, {"T", Eng(L(g, 1e-5, 1))}};
}
}
, {"rc-low-pass", {0}, {}, 26, DRAW{t = {{"R", Eng(L(g, 100, 1e6))}, {"C", Eng(L(g, 1e-10, 1e-5))}};
}
}
, {"rc-low-pass", {1}, {}, 26, DRAW{t = {{"C", Eng(L(g, 1e-10, 1e-5))}, {"Fc", Eng(L(g, 1, 1e5))}};
}
}
, {"rc-high-pass", {0}, {}, 26, DRAW{t = {{"R", Eng(L(g, 100, 1e6))}, {"C", Eng(L(g, 1e-10, 1e-5))}};
}
}
, {"rc-high-pass", {1}, {}, 26, DRAW{t = {{"C", Eng(L(g, 1e-10, 1e-5))}, {"Fc", Eng(L(g, 1, 1e5))}};
}
}
, {"rc-notch", {0}, {}, 26, DRAW{t = {{"R", Eng(L(g, 100, 1e6))}, {"C", Eng(L(g, 1e-10, 1e-5))}};
}
}
, {"rc-notch", {1}, {}, 26, DRAW{t = {{"C", Eng(L(g, 1e-10, 1e-5))}, {"Fc", Eng(L(g, 1, 1e5))}};
}
}
,
}
;
#undef DRAW

struct Design {
    const char* form;
    std::vector<int> modes;
    Typed typed;
    std::vector<int> checks = {};
};

// Where the decks went wrong before, and the ends of the ranges.
const std::vector<Design> kEdgeDesigns = {
    {"zener", {2}, {{"R", "34.3"}, {"Uz", "3.03"}, {"Icmax", "5.89m"}, {"Pzmax", "3.7"}}},
    {"zener", {0}, {{"Umax", "5.3"}, {"Umin", "5.1"}, {"Uz", "4.7"}, {"Pzmax", "100m"}}},
    {"inverting-amp", {1}, {{"R1", "1.44k"}, {"G", "0.171"}}},
    {"inverting-amp", {0}, {{"R1", "1"}, {"R2", "1k"}}},
    {"summator", {1}, {{"G1", "0.01"}, {"G2", "1000"}, {"R3", "10k"}}},
    {"astable-555", {2}, {{"C", "10n"}, {"F", "1k"}, {"Duty", "99"}}},
    {"astable-555", {0}, {{"R1", "10k"}, {"R2", "10k"}, {"C", "1p"}}},
    {"ohms-law", {0}, {{"R", "1m"}, {"I", "10"}}},
    {"ohms-law", {1}, {{"R", "1G"}, {"U", "100k"}}},
    {"two-resistors", {0, 1}, {{"R1", "1"}, {"R2", "1M"}, {"U", "1m"}}},
    {"two-capacitors", {0, 0}, {{"C1", "10p"}, {"C2", "10p"}, {"U", "1"}}},
    {"two-capacitors", {0, 1}, {{"C1", "1"}, {"C2", "1"}, {"U", "100"}}},
    {"rc-low-pass", {0}, {{"R", "1M"}, {"C", "10\xB5"}}},
    {"rc-high-pass", {0}, {{"R", "1k"}, {"C", "1.5p"}}},
    {"rc-notch", {1}, {{"C", "10p"}, {"Fc", "1M"}}},
    {"monostable-555", {1}, {{"R1", "1M"}, {"T", "1000"}}},
    {"gate-astable", {0}, {{"R", "1M"}, {"C", "1p"}}},
    {"class-a-amp", {}, {{"Vcc", "5"}, {"Vin", "10m"}}},
    {"class-a-amp", {}, {{"Vcc", "48"}, {"B", "30"}, {"Rc", "10k"}, {"Fmin", "1"}}},
    {"filter-cap", {2, 0}, {{"C", "100\xB5"}, {"DeltaU", "100m"}}},
};

// Simulated / form: the help topics state the same bands, display rounding
// of the form's two decimals included.
struct Band {
    const char* form;
    const char* measure;  // null: every measure of the form
    double low, high;
};
const Band kBands[] = {
    {"filter-cap", nullptr, 3.4, 5.7},
    {"class-a-amp", "gain", 0.9, 1.3},
    {"class-a-amp", "gain_ss", 0.99, 1.3},
    {"class-a-amp", nullptr, 0.75, 1.2},
    {"gate-astable", "period", 3.0, 3.3},
    {"gate-astable", "f", 0.30, 0.33},
    {"differentiator", nullptr, 1.41, 1.45},
    {"integrator", nullptr, 1.41, 1.45},
    {"zener", "pz", 0.90, 1.01},
    {"zener", nullptr, 0.99, 1.01},
};

std::pair<double, double> BandOf(const std::string& form, const std::string& measure) {
    for (const Band& band : kBands) {
        if (form == band.form && (band.measure == nullptr || measure == band.measure))
            return {band.low, band.high};
    }
    return {0.985, 1.015};
}

// The field a measurement is read against, where its name is not the field's.
const char* FieldOf(const std::string& form, const std::string& measure) {
    static const std::map<std::string, const char*> kAliases = {
        {"zener/pz", "Pzmax"}, {"zener/ic", "Icmax"},     {"filter-cap/ripple", "DeltaU"},
        {"*/period", "T"},     {"*/utrig_fall", "Utrig"}, {"*/gain", "G"},
    };
    for (const std::string& key : {form + "/" + measure, "*/" + measure}) {
        const auto found = kAliases.find(key);
        if (found != kAliases.end())
            return found->second;
    }
    return nullptr;
}

int FieldIndex(const engine::FormModel& form, const std::string& measure) {
    if (const char* alias = FieldOf(form.alias, measure))
        return form.FieldIndexByName(alias);
    for (size_t i = 0; i < form.fields.size(); ++i) {
        std::string name = form.fields[i].name;
        for (char& ch : name)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (name == measure)
            return static_cast<int>(i);
    }
    return -1;
}

// The class A stage's figures from its "Operating parameters" list: the line
// `offset` after `heading`, "C = 25.01 m A".
double ListValue(const std::vector<std::string>& lines, const std::string& heading, size_t offset) {
    const auto found = std::find(lines.begin(), lines.end(), heading);
    if (found == lines.end() || static_cast<size_t>(lines.end() - found) <= offset)
        return NAN;
    const std::string& line = *(found + static_cast<std::ptrdiff_t>(offset));
    std::string text = line.substr(line.find('=') + 1);
    // The value is the number and its prefix: drop the unit after them.
    const size_t unit = text.find_last_of(' ');
    if (text.find_first_not_of(' ', unit) != std::string::npos &&
        std::isalpha(static_cast<unsigned char>(text.back())))
        text = text.substr(0, unit);
    return ParseEngValue(text);
}

double ClassAValue(const engine::FormResult& result, const std::string& measure) {
    const std::vector<std::string>& lines = result.extras.lists.at(1);
    if (measure == "ic")
        return ListValue(lines, "Quiescent current :", 1);
    if (measure == "vc")
        return ListValue(lines, "Quiescent voltages :", 2);
    if (measure == "ve")
        return ListValue(lines, "Quiescent voltages :", 3);
    if (measure == "vb")
        return ListValue(lines, "Quiescent voltages :", 4);
    return ListValue(lines, "Signal voltages :", 3);  // gain and gain_ss
}

struct Built {
    Design design;
    engine::FormResult result;
    engine::SpiceDeckResult deck;
};

Built Build(const Design& design) {
    const engine::FormModel& form = *engine::FindForm(design.form);
    engine::FormState state = engine::DefaultState(form);
    if (!design.modes.empty())
        state.modes = design.modes;
    if (!design.checks.empty())
        state.checks = design.checks;
    for (const auto& [name, text] : design.typed)
        state.texts[static_cast<size_t>(form.FieldIndexByName(name))] = text;
    Built built{design, engine::Recalculate(form, state), {}};
    state.texts = built.result.texts;
    built.deck = engine::BuildSpiceDeck(form, state, {});
    return built;
}

std::string Describe(const Design& design) {
    std::string text = design.form;
    for (const int mode : design.modes)
        text += " mode " + std::to_string(mode);
    for (const int check : design.checks)
        text += " check " + std::to_string(check);
    for (const auto& [name, text2] : design.typed)
        text += " " + name + "=" + text2;
    return text;
}

// Every design of one form: the random ones (redrawn while the form finds no
// circuit in them, as a user would retype) and the edge ones.
std::vector<Built> DesignsOf(const std::string& alias) {
    std::vector<Built> designs;
    Rng rng(20261209);
    for (const Generator& generator : kGenerators) {
        if (alias != generator.form)
            continue;
        for (int made = 0, tries = 0; made < generator.designs && tries < 20 * generator.designs; ++tries) {
            Design design{generator.form, generator.modes, {}, generator.checks};
            generator.draw(rng, design.typed);
            Built built = Build(design);
            if (!built.deck.measures.empty()) {
                designs.push_back(std::move(built));
                ++made;
            }
        }
    }
    for (const Design& design : kEdgeDesigns) {
        if (alias == design.form)
            designs.push_back(Build(design));
    }
    return designs;
}

class RandomDesigns : public testing::TestWithParam<const char*> {};

TEST_P(RandomDesigns, SimulationAgreesWithTheForm) {
    const engine::FormModel& form = *engine::FindForm(GetParam());
    const std::vector<Built> designs = DesignsOf(form.alias);
    ASSERT_GE(designs.size(), 50U);
    std::vector<std::string> decks;
    for (const Built& built : designs) {
        ASSERT_FALSE(built.deck.measures.empty()) << Describe(built.design) << "\n" << built.deck.text;
        decks.push_back(built.deck.text);
    }
    const std::string directory =
        (std::filesystem::temp_directory_path() /
         ("voltaris-random-" + std::string(form.alias) + "-" + std::to_string(getpid())))
            .string();
    const std::vector<spice_test::NgspiceRun> runs = spice_test::RunNgspiceBatch(decks, directory);

    std::map<std::string, std::pair<double, double>> seen;  // measure: lowest and highest ratio
    for (size_t d = 0; d < designs.size(); ++d) {
        const Built& built = designs[d];
        for (const engine::SpiceMeasure& measure : built.deck.measures) {
            const auto found = runs[d].measures.find(measure.name);
            ASSERT_NE(found, runs[d].measures.end())
                << measure.name << " not measured: " << Describe(built.design) << "\n"
                << built.deck.text << runs[d].output;
            double expected = NAN;
            const int field = FieldIndex(form, measure.name);
            if (std::string(form.alias) == "class-a-amp") {
                expected = ClassAValue(built.result, measure.name);
            } else {
                ASSERT_GE(field, 0) << form.alias << " " << measure.name;
                const std::string& text = built.result.texts[static_cast<size_t>(field)];
                expected = ParseEngValue(text);
                std::string shown = text;
                while (!shown.empty() && shown.back() == ' ')
                    shown.pop_back();
                std::replace(shown.begin(), shown.end(), '\xB5', 'u');  // the deck is ASCII
                EXPECT_NE(built.deck.text.find("*   " + measure.name + " = " + shown + "\n"),
                          std::string::npos)
                    << "the header does not quote the field's text " << shown << "\n"
                    << built.deck.text;
            }
            const double ratio = found->second / expected;
            auto& [low, high] = seen.try_emplace(measure.name, ratio, ratio).first->second;
            low = std::min(low, ratio);
            high = std::max(high, ratio);
            const auto [bandLow, bandHigh] = BandOf(form.alias, measure.name);
            EXPECT_TRUE(ratio >= bandLow && ratio <= bandHigh)
                << Describe(built.design) << ": " << measure.name << " simulated " << found->second
                << ", form " << expected << ", ratio " << ratio << " outside [" << bandLow << ", " << bandHigh
                << "]\n"
                << built.deck.text << runs[d].output;
        }
    }
    for (const auto& [name, range] : seen)
        std::printf("%s %s: %.4f to %.4f over %zu designs\n", form.alias, name.c_str(), range.first,
                    range.second, designs.size());
}

std::vector<const char*> CircuitForms() {
    std::vector<const char*> aliases;
    for (const engine::FormModel* form : engine::AllForms()) {
        if (engine::HasSpiceDeck(*form))
            aliases.push_back(form->alias);
    }
    return aliases;
}

std::string FormName(const testing::TestParamInfo<const char*>& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Forms, RandomDesigns, testing::ValuesIn(CircuitForms()), FormName);

}  // namespace
