#include "engine/passive/TwoResistors.h"

#include "core/EngValue.h"
#include "engine/spice/DeckBuilders.h"

using namespace two_resistors;

namespace {

void MarkDerivedErrors(std::span<double> v) {
    for (int field : {kU1, kU2, kI, kI1, kI2})
        v[field] = kErrorValue;
}

// Series: one current through both, the voltage shared by resistance.
void SolveSeries(std::span<double> v) {
    v[kI] = v[kU] / v[kR];
    v[kI1] = v[kI];
    v[kI2] = v[kI];
    v[kU1] = v[kI] * v[kR1];
    v[kU2] = v[kI] * v[kR2];
}

// Parallel: one voltage across both, the currents add up.
void SolveParallel(std::span<double> v) {
    v[kI1] = v[kU] / v[kR1];
    v[kI2] = v[kU] / v[kR2];
    v[kI] = v[kI2] + v[kI1];
}

}  // namespace

void ComputeTwoResistors(std::span<double> v, std::span<const int> modes) {
    const int connection = modes[1];
    switch (modes[0]) {
        case kR1AndR2:
            if (connection == kSerial) {
                v[kR] = v[kR1] + v[kR2];
                if (v[kR] > kTinyValue)
                    SolveSeries(v);
                else
                    MarkDerivedErrors(v);
            } else if (connection == kParallel) {
                if (v[kR1] > kTinyValue && v[kR2] > kTinyValue) {
                    v[kR] = v[kR2] / (v[kR1] + v[kR2]) * v[kR1];
                    v[kU1] = v[kU];
                    v[kU2] = v[kU];
                    if (v[kR] > kTinyValue)
                        SolveParallel(v);
                    else
                        MarkDerivedErrors(v);
                } else {
                    v[kR] = kErrorValue;
                    MarkDerivedErrors(v);
                }
            }
            break;
        case kRAndR1:
            if (connection == kSerial) {
                const double d = v[kR] - v[kR1];
                if (d > kTinyValue) {
                    v[kR2] = d;
                    SolveSeries(v);
                } else {
                    v[kR2] = kErrorValue;
                    MarkDerivedErrors(v);
                }
            } else if (connection == kParallel) {
                const double d = v[kR1] - v[kR];
                if (v[kR1] > kTinyValue && d > kTinyValue) {
                    v[kR2] = v[kR] / d * v[kR1];
                    v[kU1] = v[kU];
                    v[kU2] = v[kU];
                    if (v[kR2] > kTinyValue)
                        SolveParallel(v);
                    else
                        MarkDerivedErrors(v);
                } else {
                    v[kR2] = kErrorValue;
                    MarkDerivedErrors(v);
                }
            }
            break;
        default:
            break;
    }
}

const engine::FormModel& TwoResistorsModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CTwoResistorsDlg",
        .alias = "two-resistors",
        .caption = "Two resistors",
        .fields = {
            {"I", "I (A)", "A", Quantity::kCurrent, "0"},
            {"I1", "I1 (A)", "A", Quantity::kCurrent, "0"},
            {"I2", "I2 (A)", "A", Quantity::kCurrent, "0"},
            {"R", "R   (ohm)", "ohm", Quantity::kResistance, "0"},
            {"R1", "R1 (ohm)", "ohm", Quantity::kResistance, "2.2K"},
            {"R2", "R2 (ohm)", "ohm", Quantity::kResistance, "1K"},
            {"U", "U (V)", "V", Quantity::kVoltage, "10"},
            {"U1", "U1 (V)", "V", Quantity::kVoltage, "0"},
            {"U2", "U2 (V)", "V", Quantity::kVoltage, "0"},
        },
        .radioGroups = {
            {{{"R1 and R2"}, {"R and R1"}}, 0},
            {{{"Serial"}, {"Parallel"}}, 0},
        },
        .inputsByMode = {{kR1, kR2, kU}, {kR1, kR, kU}},
        .compute = ComputeTwoResistors,
        .parts = {{kR1, kR2}, {kR1AndR2, kR1AndR2}},
        .deck = engine::spice::TwoResistorsDeck,
    };
    // clang-format on
    return model;
}
