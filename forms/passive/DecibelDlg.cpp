#include "forms/passive/DecibelDlg.h"

#include <cmath>

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace decibel;

namespace {

// A gain applied to an input level; a gain of thousands of dB overflows to
// infinity, which the field shows as "Error".
double AmplifyVoltage(double gain, double level) {
    return std::pow(10.0, gain * 0.05) * level;
}
double AmplifyPower(double gain, double level) {
    return std::pow(10.0, gain * 0.1) * level;
}

}  // namespace

void ComputeDecibel(std::span<double> v, std::span<const int> modes) {
    double& gain = v[kGain];
    double& pi = v[kPi];
    double& po = v[kPo];
    double& ui = v[kUi];
    double& uo = v[kUo];
    switch (modes[0]) {
        case kInputAndGain:
            uo = AmplifyVoltage(gain, ui);
            po = AmplifyPower(gain, pi);
            break;
        case kOutputAndGain:
            ui = std::pow(0.1, gain * 0.05) * uo;
            pi = std::pow(0.1, gain * 0.1) * po;
            break;
        case kInputAndOutputLevel:
            if (ui <= kTinyValue || uo <= kTinyValue) {
                po = kErrorValue;
                gain = kErrorValue;
            } else {
                gain = 20 * std::log10(uo / ui);
                po = AmplifyPower(gain, pi);
            }
            break;
        case kInputAndOutputPower:
            if (pi <= kTinyValue || po <= kTinyValue) {
                uo = kErrorValue;
                gain = kErrorValue;
            } else {
                gain = 10 * std::log10(po / pi);
                uo = AmplifyVoltage(gain, ui);
            }
            break;
        default:
            break;
    }
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::Decibel(),
        1011,
        1010,
        180,
        {{1004, "20", true}, {1000, "1m"}, {1003, "0"}, {1001, "1"}, {1002, "0"}},
        {{1009}},
        {{kUi, kPi, kGain}, {kGain, kUo, kPo}, {kUi, kPi, kUo}, {kUi, kPi, kPo}},
        ComputeDecibel,
    };
    return form;
}

}  // namespace

CDecibelDlg::CDecibelDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CDecibelDlg"));
}
