#pragma once
// Writing one deck: element and analysis lines, and the measurements with
// the values the form expects of them.

#include <string>
#include <vector>

#include "engine/spice/SpiceDeck.h"

namespace engine::spice {

// A number as SPICE reads it, to seven significant digits: "2200", "1e-08".
std::string Num(double value);

class Netlist {
  public:
    // Circuit lines, in order.
    Netlist& operator<<(const std::string& line);
    // A comment line in the circuit ("* ..." is added).
    void Note(const std::string& text);
    // ".meas <analysis> <name> <what>", compared with the form's value.
    void Measure(const char* analysis, const std::string& name, const std::string& what, double formValue);
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
    int Mode(size_t group) const { return group < modes.size() ? modes[group] : -1; }
};

// A value a circuit can be built with: computed (not Error), finite, above zero.
bool Usable(double value);
// Refuses the deck unless every value is usable; the name goes in the reason.
bool Require(Netlist& deck, std::initializer_list<std::pair<const char*, double>> values);

// The operating point, as a sweep of the source from 0 to its value: the
// .meas of a DC analysis read the circuit there ("at=<value>"). ngspice runs
// no .meas at all in a deck that also has an .op.
void DcAnalysis(Netlist& deck, const std::string& source, double value);

}  // namespace engine::spice
