#include "engine/passive/TwoCapacitors.h"

#include "core/EngValue.h"
#include "engine/spice/DeckBuilders.h"

using namespace two_capacitors;

namespace {

// In series the charge is shared: the larger capacitor takes the smaller
// part of the voltage.
void ShareSeriesVoltage(std::span<double> v) {
    const double s = v[kC2] + v[kC1];
    v[kU1] = v[kU] * v[kC2] / s;
    v[kU2] = v[kU] * v[kC1] / s;
}

void SameVoltageOnBoth(std::span<double> v) {
    v[kU1] = v[kU];
    v[kU2] = v[kU];
}

}  // namespace

void ComputeTwoCapacitors(std::span<double> v, std::span<const int> modes) {
    const int connection = modes[1];
    switch (modes[0]) {
        case kC1AndC2:
            if (connection == kParallel) {
                v[kC] = v[kC2] + v[kC1];
                SameVoltageOnBoth(v);
            } else if (connection == kSerial) {
                if (v[kC1] > kTinyValue && v[kC2] > kTinyValue) {
                    const double s = v[kC2] + v[kC1];
                    v[kC] = v[kC1] * (v[kC2] / s);
                    ShareSeriesVoltage(v);
                } else {
                    v[kC] = kErrorValue;
                    v[kU1] = kErrorValue;
                    v[kU2] = kErrorValue;
                }
            }
            break;
        case kCAndC1:
            if (connection == kParallel) {
                const double d = v[kC] - v[kC1];
                if (d > kTinyValue) {
                    v[kC2] = d;
                    SameVoltageOnBoth(v);
                } else {
                    v[kC2] = kErrorValue;
                    v[kU1] = kErrorValue;
                    v[kU2] = kErrorValue;
                }
            } else if (connection == kSerial) {
                const double d = v[kC1] - v[kC];
                if (v[kC1] > kTinyValue && d > kTinyValue) {
                    v[kC2] = v[kC] / d * v[kC1];
                    if (v[kC2] > kTinyValue) {
                        ShareSeriesVoltage(v);
                    } else {
                        v[kU1] = kErrorValue;
                        v[kU2] = kErrorValue;
                    }
                } else {
                    v[kC2] = kErrorValue;
                    v[kU1] = kErrorValue;
                    v[kU2] = kErrorValue;
                }
            }
            break;
        default:
            break;
    }
}

const engine::FormModel& TwoCapacitorsModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CTwoCapacitorsDlg",
        .alias = "two-capacitors",
        .caption = "Two capacitors",
        .fields = {
            {"C", "C   (F)", "F", Quantity::kCapacitance, "0"},
            {"C1", "C1 (F)", "F", Quantity::kCapacitance, "22n"},
            {"C2", "C2 (F)", "F", Quantity::kCapacitance, "10n"},
            {"U", "U (V)", "V", Quantity::kVoltage, "10"},
            {"U1", "U1 (V)", "V", Quantity::kVoltage, "0"},
            {"U2", "U2 (V)", "V", Quantity::kVoltage, "0"},
        },
        .radioGroups = {
            {{{"C1 and C2"}, {"C and C1"}}, 0},
            {{{"Serial"}, {"Parallel"}}, 0},
        },
        .inputsByMode = {{kC1, kC2, kU}, {kC1, kC, kU}},
        .compute = ComputeTwoCapacitors,
        .parts = {{kC1, kC2}, {kC1AndC2, kC1AndC2}},
        .deck = engine::spice::TwoCapacitorsDeck,
    };
    // clang-format on
    return model;
}
