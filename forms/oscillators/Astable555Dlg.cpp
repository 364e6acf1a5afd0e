#include "forms/oscillators/Astable555Dlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace astable555;

namespace {

// Charge constant: ln 2, rounded as the 555 data sheets give it.
constexpr double kLn2 = 0.693;

// The duty cycle is worked on as a fraction of the period.
double DutyFraction(double percent) {
    return percent * 0.01;
}
double DutyPercent(double fraction) {
    return fraction == kErrorValue ? kErrorValue : fraction * 100;
}

double Frequency(double t) {
    return t <= kTinyValue ? kErrorValue : 1 / t;
}

double Duty(double r1, double r2) {
    return 1 - r2 / (2 * r2 + r1);
}

}  // namespace

// Whatever would be derived from an R1 below the minimum is shown as "Error"
// too, rather than a number worked out from the error marker.
void ComputeAstable555(std::span<double> v, std::span<const int> modes) {
    double& c = v[kC];
    double& f = v[kF];
    double& r1 = v[kR1];
    double& r2 = v[kR2];
    double& t = v[kT];
    double& th = v[kTh];
    double& tl = v[kTl];
    double d = DutyFraction(v[kDuty]);
    switch (modes[0]) {
        case kR1R2AndC:
            tl = c * r2 * kLn2;
            if (r1 < kMinR1) {
                r1 = th = t = f = d = kErrorValue;
                break;
            }
            th = (r1 + r2) * c * kLn2;
            t = tl + th;
            f = Frequency(t);
            d = Duty(r1, r2);
            break;
        case kCThAndTl:
            if (c <= kTinyValue || !(tl < th)) {
                r1 = r2 = t = f = d = kErrorValue;
                break;
            }
            r2 = tl / (c * kLn2);
            r1 = th / (c * kLn2) - r2;
            t = tl + th;
            f = Frequency(t);
            if (r1 < kMinR1)
                r1 = d = kErrorValue;
            else
                d = Duty(r1, r2);
            break;
        case kCFAndDuty:
            // Above 100 % the low time and R2 would come out negative.
            if (c <= kTinyValue || f <= kTinyValue || d <= 0.5 || d > 1) {
                tl = th = r2 = r1 = t = kErrorValue;
                break;
            }
            t = 1 / f;
            r2 = (1 - d) / (f * c * kLn2);
            r1 = 1 / (f * c * kLn2) - 2 * r2;
            if (r1 < kMinR1)
                r1 = th = kErrorValue;
            else
                th = (r1 + r2) * c * kLn2;
            tl = c * r2 * kLn2;
            break;
        default:
            break;
    }
    v[kDuty] = DutyPercent(d);
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::Astable555(),
        1175,
        1174,
        110,
        {{1172, "10n"},
         {1180, "1"},
         {1179, "1"},
         {1171, "2.2k"},
         {1176, "2.2k"},
         {1178, "1"},
         {1173, "1"},
         {1177, "1"}},
        {{1169}},
        {{kR1, kR2, kC}, {kC, kTh, kTl}, {kC, kF, kDuty}},
        ComputeAstable555,
    };
    return form;
}

}  // namespace

CAstable555Dlg::CAstable555Dlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CAstable555Dlg"));
}
