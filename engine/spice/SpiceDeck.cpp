#include "engine/spice/SpiceDeck.h"

#include <algorithm>
#include <cctype>

#include "core/EngValue.h"
#include "engine/spice/DeckBuilders.h"

namespace engine {
namespace {

// Labels are UTF-8, texts Latin-1: the deck is ASCII but for the micro sign,
// written as "u".
std::string Ascii(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        if (static_cast<unsigned char>(ch) == 0xB5)
            out += 'u';
        else if (static_cast<unsigned char>(ch) < 0x80)
            out += ch;
    }
    return out;
}

std::string TrimRight(std::string text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    return text;
}

void WriteHeader(const FormModel& form, const FormState& state, const SpiceOptions& options,
                 std::vector<std::string>& out) {
    out.push_back(std::string("* Voltaris: ") + form.caption + " (" + form.alias + ")");
    for (size_t group = 0; group < form.radioGroups.size() && group < state.modes.size(); ++group) {
        const int mode = state.modes[group];
        if (mode >= 0 && mode < static_cast<int>(form.radioGroups[group].modes.size()))
            out.push_back(std::string("* Mode: ") + form.radioGroups[group].modes[mode].caption);
    }
    for (size_t i = 0; i < form.checks.size() && i < state.checks.size(); ++i)
        out.push_back(std::string("* ") + form.checks[i].caption + ": " + (state.checks[i] ? "yes" : "no"));
    const std::vector<bool> enabled = EnabledFields(form, state.modes, state.checks);
    out.push_back("* Inputs:");
    for (size_t i = 0; i < form.fields.size() && i < state.texts.size(); ++i) {
        if (enabled[i])
            out.push_back(std::string("*   ") + Ascii(form.fields[i].label) + " = " +
                          TrimRight(Ascii(state.texts[i])));
    }
    for (const auto& [field, value] : options.partValues) {
        if (field >= 0 && field < static_cast<int>(form.fields.size()))
            out.push_back(std::string("* As built: ") + form.fields[field].name + " = " +
                          TrimRight(Ascii(FormatEngValue(value))));
    }
    for (const auto& [name, value] : options.namedParts)
        out.push_back("* As built: " + name + " = " + TrimRight(Ascii(FormatEngValue(value))));
    if (options.opamp == OpampModel::kGbw)
        out.push_back("* Op-amp: single pole, 1 MHz gain-bandwidth, rails");
}

}  // namespace

bool HasSpiceDeck(const FormModel& form) {
    return form.deck != nullptr;
}

SpiceDeckResult BuildSpiceDeck(const FormModel& form, const FormState& given, const SpiceOptions& options) {
    const FormState state = Normalised(form, given);
    SpiceDeckResult result;
    if (form.deck == nullptr)
        return result;
    spice::DeckInput input{form, ParseFields(form, state.texts), state.modes, state.checks, options, {}, {}};
    // A field that shows Error reads as 0; the deck says which it was.
    for (size_t i = 0; i < input.v.size() && i < state.texts.size(); ++i) {
        if (TrimRight(state.texts[i]) == "Error")
            input.v[i] = kErrorValue;
    }
    input.texts = state.texts;
    input.shown = input.v;
    for (const auto& [field, value] : options.partValues) {
        if (field >= 0 && field < static_cast<int>(input.v.size()))
            input.v[field] = value;
    }
    spice::Netlist deck;
    form.deck(input, deck);

    std::vector<std::string> lines;
    WriteHeader(form, state, options, lines);
    if (!deck.Refusal().empty()) {
        result.refusal = deck.Refusal();
        lines.push_back("* Nothing to simulate: " + deck.Refusal() + ".");
    } else {
        lines.push_back("* Measurements, and what the form says:");
        for (const SpiceMeasure& measure : deck.Measures())
            lines.push_back("*   " + measure.name + " = " +
                            TrimRight(Ascii(measure.formText.empty() ? FormatEngValue(measure.formValue)
                                                                     : measure.formText)));
        result.measures = deck.Measures();
        lines.insert(lines.end(), deck.Lines().begin(), deck.Lines().end());
        // Without it ngspice keeps only what the .meas name, and it cannot keep vm() or vi().
        lines.push_back(".save all");
    }
    lines.push_back(".end");
    for (const std::string& line : lines)
        result.text += line + "\n";
    return result;
}

std::string SpiceDeck(const FormModel& form, const FormState& state, const SpiceOptions& options) {
    return BuildSpiceDeck(form, state, options).text;
}

}  // namespace engine
