#pragma once
// Class A common-emitter stage: from the supply, the transistor's beta, the
// input and wanted output signals, the lowest frequency, Rc and the load,
// designs the emitter, bias and coupling parts and the operating point,
// reducing the gain step by step when the wishes cannot all be met.

#include <span>
#include <string>
#include <vector>

#include "engine/FormModel.h"

namespace class_a {
enum Field { kVcc, kBeta, kVin, kVout, kFmin, kRc, kRl };
enum Check { kMaxGain, kWithLoad };
// Why the gain came out below the one wanted.
enum Reason { kNotReduced, kLowBeta, kOutputImpedance, kLowVcc };
// A design that has not settled by then is given up.
inline constexpr int kMaxPasses = 1000;
// The load assumed when none is connected.
inline constexpr double kNoLoad = 999999.0;
}  // namespace class_a

struct ClassAInputs {
    double vcc = 0;
    double beta = 0;
    double vin = 0;
    double vout = 0;  // wanted output; ignored with maximum gain
    double fmin = 0;
    double rc = 0;
    double rl = 0;  // ignored without load
    bool maxGain = false;
    bool withLoad = false;
};

// Every quantity of one design. When `operating` is false only `passes`,
// `vout` and `rl` mean something.
struct ClassADesign {
    bool operating = false;
    int reason = class_a::kNotReduced;
    int passes = 0;   // passes of the design loop that ran
    double vout = 0;  // output voltage of the last pass
    double rl = 0;    // the load the design used
    double rac = 0;   // Rc with the load in parallel
    double gain = 0;
    double Ic = 0, Ib = 0, Ie = 0;
    double rIntrinsic = 0;  // the transistor's own emitter resistance
    double Re = 0, Rv = 0, Rb = 0, Rx = 0;
    double Vs = 0, Vc = 0, Ve = 0, Vb = 0;
    double Zin = 0;
    double Cin = 0, Cout = 0, Cby = 0;
    double pmax = 0;
};

// The inputs from the form's fields and check boxes, by name: the one place
// that reads them, for the form, its parts, its plot and its deck.
ClassAInputs ClassAInputsOf(std::span<const double> values, std::span<const int> checks);

ClassADesign DesignClassA(const ClassAInputs& in);
const char* ClassAStatusText(const ClassADesign& design);
// The lines of the "Components values :" and "Operating parameters :" lists.
std::vector<std::string> ClassAComponentLines(const ClassAInputs& in, const ClassADesign& design);
std::vector<std::string> ClassAOperatingLines(const ClassAInputs& in, const ClassADesign& design);

// The form's recalculation: the design from the fields and both check boxes;
// Vout shows the output the design reached, the lists and status what it is.
void RecalculateClassA(std::span<double> values, std::span<const int> checks, engine::FormExtras* extras);

const engine::FormModel& ClassAAmpModel();
