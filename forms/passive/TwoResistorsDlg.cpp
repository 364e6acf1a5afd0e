#include "forms/passive/TwoResistorsDlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

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

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::TwoResistors(),
        1014,
        1015,
        105,
        {{1026, "0"},
         {1024, "0"},
         {1025, "0"},
         {1023, "0"},
         {1021, "2.2K"},
         {1022, "1K"},
         {1029, "10"},
         {1027, "0"},
         {1028, "0"}},
        {{1016}, {1018}},
        {{kR1, kR2, kU}, {kR1, kR, kU}},
        ComputeTwoResistors,
    };
    return form;
}

}  // namespace

CTwoResistorsDlg::CTwoResistorsDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CTwoResistorsDlg"));
}
