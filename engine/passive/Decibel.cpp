#include "engine/passive/Decibel.h"

#include <cmath>

#include "core/EngValue.h"

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

const engine::FormModel& DecibelModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CDecibelDlg",
        .alias = "decibel",
        .caption = "Decibel",
        .fields = {
            {"Gain", "Gain (dB)", "dB", Quantity::kGain, "20", true},
            {"Pi", "Pi (W)", "W", Quantity::kPower, "1m"},
            {"Po", "Po (W)", "W", Quantity::kPower, "0"},
            {"Ui", "Ui (V)", "V", Quantity::kVoltage, "1"},
            {"Uo", "Uo (V)", "V", Quantity::kVoltage, "0"},
        },
        .radioGroups = {
            {{{"Input and gain"}, {"Output and gain"}, {"Input and output level"}, {"Input and output power"}}, 0},
        },
        .inputsByMode = {{kUi, kPi, kGain}, {kGain, kUo, kPo}, {kUi, kPi, kUo}, {kUi, kPi, kPo}},
        .compute = ComputeDecibel,
        .parts = {{}, {}, {}, "levels and gains only"},
    };
    // clang-format on
    return model;
}
