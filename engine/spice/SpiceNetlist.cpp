#include "engine/spice/SpiceNetlist.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/EngValue.h"

namespace engine::spice {

std::string Num(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", value);
    return text;
}

Netlist& Netlist::operator<<(const std::string& line) {
    lines_.push_back(line);
    return *this;
}

void Netlist::Note(const std::string& text) {
    lines_.push_back("* " + text);
}

void Netlist::Measure(const char* analysis, const std::string& name, const std::string& what,
                      double formValue) {
    Helper(analysis, name, what);
    measures_.push_back({name, formValue});
}

void Netlist::Measure(const char* analysis, const std::string& name, const std::string& what,
                      const DeckInput& in, int field) {
    Measure(analysis, name, what, in.v[static_cast<size_t>(field)]);
    if (static_cast<size_t>(field) < in.texts.size()) {
        std::string text = in.texts[static_cast<size_t>(field)];
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        measures_.back().formText = text;
    }
}

void Netlist::Helper(const char* analysis, const std::string& name, const std::string& what) {
    lines_.push_back(std::string(".meas ") + analysis + " " + name + " " + what);
}

namespace {

// What ngspice solves in reasonable time and precision, by quantity; beyond
// it the matrix is singular to double precision or the run takes minutes.
struct Range {
    Quantity quantity;
    double low, high;
    const char* unit;
};
constexpr Range kRanges[] = {
    {Quantity::kResistance, 1e-3, 1e12, "ohm"}, {Quantity::kCapacitance, 1e-15, 10, "F"},
    {Quantity::kTime, 1e-9, 1e5, "s"},          {Quantity::kFrequency, 1e-5, 1e9, "Hz"},
    {Quantity::kVoltage, 1e-6, 1e5, "V"},       {Quantity::kCurrent, 1e-12, 1e4, "A"},
    {Quantity::kPower, 1e-12, 1e6, "W"},        {Quantity::kGain, 1e-6, 1e6, ""},
    {Quantity::kPercent, 1e-6, 100, "%"},
};

}  // namespace

std::string Unusable(const std::string& name, double value, Quantity quantity) {
    if (value == kErrorValue)
        return name + " shows Error";
    if (!std::isfinite(value))
        return name + " is not a number";
    if (value == 0)
        return name + " is zero";
    if (value < 0)
        return name + " is negative";
    for (const Range& range : kRanges) {
        if (range.quantity == quantity && (value < range.low || value > range.high))
            return name + " = " + Num(value) + (std::strlen(range.unit) > 0 ? " " : "") + range.unit +
                   " is beyond what the simulator takes (" + Num(range.low) + " to " + Num(range.high) + ")";
    }
    return {};
}

bool Require(Netlist& deck, const std::string& name, double value, Quantity quantity) {
    const std::string why = Unusable(name, value, quantity);
    if (!why.empty() && deck.Refusal().empty())
        deck.Refuse(why);
    return why.empty();
}

bool Require(const DeckInput& in, Netlist& deck, std::initializer_list<int> fields) {
    for (const int field : fields) {
        const FieldModel& model = in.form.fields[static_cast<size_t>(field)];
        if (!Require(deck, model.name, in.v[static_cast<size_t>(field)], model.quantity))
            return false;
    }
    return true;
}

void DcAnalysis(Netlist& deck, const std::string& source, double value) {
    // Stopping half a step beyond 2 x value keeps that point whatever the rounding.
    deck << ".dc " + source + " 0 " + Num(2.5 * value) + " " + Num(value);
}

std::string RampedOperatingPoint(Netlist& deck) {
    deck.Note("Vop ramps the inputs up to their values and a quarter beyond, in steps of 5 %");
    deck << "Vop op 0 DC 0";
    deck << "Rop op 0 1";
    deck << ".dc Vop 0 1.25 0.05";
    return " at=1";
}

}  // namespace engine::spice
