#include "engine/spice/SpiceNetlist.h"

#include <cmath>
#include <cstdio>

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

void Netlist::Helper(const char* analysis, const std::string& name, const std::string& what) {
    lines_.push_back(std::string(".meas ") + analysis + " " + name + " " + what);
}

bool Usable(double value) {
    return value != kErrorValue && std::isfinite(value) && value > kTinyValue;
}

bool Require(Netlist& deck, std::initializer_list<std::pair<const char*, double>> values) {
    for (const auto& [name, value] : values) {
        if (!Usable(value)) {
            deck.Refuse(std::string(name) + (value == kErrorValue ? " shows Error" : " is zero"));
            return false;
        }
    }
    return true;
}

void DcAnalysis(Netlist& deck, const std::string& source, double value) {
    deck << ".dc " + source + " 0 " + Num(value) + " " + Num(value);
}

}  // namespace engine::spice
