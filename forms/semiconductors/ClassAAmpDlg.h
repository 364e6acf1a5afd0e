#pragma once
// Class A common-emitter stage: from the supply, the transistor's beta, the
// input and wanted output signals, the lowest frequency, Rc and the load,
// designs the emitter, bias and coupling parts and the operating point,
// reducing the gain step by step when the wishes cannot all be met.

#include <string>
#include <vector>

#include "core/CalcFormDlg.h"

namespace class_a {
enum Field { kVcc, kBeta, kVin, kVout, kFmin, kRc, kRl, kStatus };
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

ClassADesign DesignClassA(const ClassAInputs& in);
const char* ClassAStatusText(const ClassADesign& design);
// The lines of the "Components values :" and "Operating parameters :" lists.
std::vector<std::string> ClassAComponentLines(const ClassAInputs& in, const ClassADesign& design);
std::vector<std::string> ClassAOperatingLines(const ClassAInputs& in, const ClassADesign& design);

class CClassAAmpDlg : public CCalcFormDlg {
  public:
    CClassAAmpDlg();

    void Recalculate() override;

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::CDataExchange& dx) override;
    void EnableByMode() override;

  private:
    void FillList(int id, const std::vector<std::string>& lines);

    int maxGain_ = 0;
    int withLoad_ = 0;
    std::string componentsSelection_;
    std::string operatingSelection_;
};
