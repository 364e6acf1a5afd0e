#pragma once
// Writing one deck: element and analysis lines, and the measurements with
// the values the form expects of them.

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/spice/SpiceDeck.h"

namespace engine::spice {

// A number as SPICE reads it, to seven significant digits: "2200", "1e-08".
std::string Num(double value);

struct DeckInput;

class Netlist {
  public:
    // Circuit lines, in order.
    Netlist& operator<<(const std::string& line);
    // A comment line in the circuit ("* ..." is added).
    void Note(const std::string& text);
    // ".meas <analysis> <name> <what>", compared with the form's value.
    void Measure(const char* analysis, const std::string& name, const std::string& what, double formValue);
    // The same for a measurement the form shows in a field: the header quotes the field's text.
    void Measure(const char* analysis, const std::string& name, const std::string& what, const DeckInput& in,
                 int field);
    // An auxiliary .meas the results are built from; not compared.
    void Helper(const char* analysis, const std::string& name, const std::string& what);
    // The values cannot make a circuit (a field shows Error, a part is 0).
    void Refuse(const std::string& reason) { refusal_ = reason; }

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<SpiceMeasure>& Measures() const { return measures_; }
    const std::string& Refusal() const { return refusal_; }

  private:
    std::vector<std::string> lines_;
    std::vector<SpiceMeasure> measures_;
    std::string refusal_;
};

// Everything a deck is built from: the form's values (parsed, with the part
// values of the options in place), modes and checks.
struct DeckInput {
    const FormModel& form;
    std::vector<double> v;
    std::vector<int> modes;
    std::vector<int> checks;
    const SpiceOptions& options;
    std::vector<std::string> texts;  // the form's field texts
    std::vector<double> shown;       // the form's own values, before the parts replace them
    int Mode(size_t group) const { return group < modes.size() ? modes[group] : -1; }
};

// Why `value` of that quantity makes no part of a circuit ngspice can run:
// Error, zero or negative, not finite, or beyond what it solves in reasonable
// time and precision (a 1e30 ohm feedback resistor runs for minutes). Empty
// when the value is fine.
std::string Unusable(const std::string& name, double value, Quantity quantity);
// Refuses the deck unless every value is usable; the name goes in the reason.
bool Require(Netlist& deck, const std::string& name, double value, Quantity quantity);
// The same for fields of the form, by index.
bool Require(const DeckInput& in, Netlist& deck, std::initializer_list<int> fields);

// The operating point, as a sweep of the source over 0, its value and twice it:
// the .meas of a DC analysis read the circuit at the middle point
// ("at=<value>"), never at an end, where rounding may leave the sweep short of
// it. ngspice runs no .meas at all in a deck that also has an .op.
void DcAnalysis(Netlist& deck, const std::string& source, double value);
// The operating point of a stiff circuit (a zener's breakdown), reached
// step by step: inputs written as sources scaled by v(op), which a sweep
// ramps from 0 past 1; returns the " at=1" where they have their values.
std::string RampedOperatingPoint(Netlist& deck);

}  // namespace engine::spice
