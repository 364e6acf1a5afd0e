#include "forms/passive/TwoCapacitorsDlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

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

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::TwoCapacitors(),
        1057,
        1056,
        100,
        {{1050, "0"}, {1048, "22n"}, {1049, "10n"}, {1053, "10"}, {1051, "0"}, {1052, "0"}},
        {{1046}, {1054}},
        {{kC1, kC2, kU}, {kC1, kC, kU}},
        ComputeTwoCapacitors,
    };
    return form;
}

}  // namespace

CTwoCapacitorsDlg::CTwoCapacitorsDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CTwoCapacitorsDlg"));
}
