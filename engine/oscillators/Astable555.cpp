#include "engine/oscillators/Astable555.h"

#include "core/EngValue.h"
#include "engine/Constants.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

using namespace astable555;

namespace {

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
            tl = c * r2 * constants::kLn2;
            if (r1 < kMinR1) {
                r1 = th = t = f = d = kErrorValue;
                break;
            }
            th = (r1 + r2) * c * constants::kLn2;
            t = tl + th;
            f = Frequency(t);
            d = Duty(r1, r2);
            break;
        case kCThAndTl:
            if (c <= kTinyValue || !(tl < th)) {
                r1 = r2 = t = f = d = kErrorValue;
                break;
            }
            r2 = tl / (c * constants::kLn2);
            r1 = th / (c * constants::kLn2) - r2;
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
            r2 = (1 - d) / (f * c * constants::kLn2);
            r1 = 1 / (f * c * constants::kLn2) - 2 * r2;
            if (r1 < kMinR1)
                r1 = th = kErrorValue;
            else
                th = (r1 + r2) * c * constants::kLn2;
            tl = c * r2 * constants::kLn2;
            break;
        default:
            break;
    }
    v[kDuty] = DutyPercent(d);
}

const engine::FormModel& Astable555Model() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CAstable555Dlg",
        .alias = "astable-555",
        .caption = "Astable oscillator, 555 based",
        .fields = {
            {"C", "C (Farad)", "F", Quantity::kCapacitance, "10n"},
            {"Duty", "Duty (%)", "%", Quantity::kPercent, "1"},
            {"F", "F (Hz)", "Hz", Quantity::kFrequency, "1"},
            {"R1", "R1 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {"R2", "R2 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {"T", "T (s)", "s", Quantity::kTime, "1"},
            {"Th", "Th (s)", "s", Quantity::kTime, "1"},
            {"Tl", "Tl (s)", "s", Quantity::kTime, "1"},
        },
        .radioGroups = {
            {{{"R1, R2 and C"}, {"C, Th and Tl"}, {"C,  F and duty%"}}, 0},
        },
        .inputsByMode = {{kR1, kR2, kC}, {kC, kTh, kTl}, {kC, kF, kDuty}},
        .compute = ComputeAstable555,
        .parts = {{kR1, kR2, kC}, {kR1R2AndC, kR1R2AndC, kR1R2AndC},
                  {{kR1, kMinR1, true, true, "under 100 ohm the discharge transistor shorts the supply"},
                   {kDuty, 50, true, false, "at or below 50 % this circuit cannot oscillate"}}},
        .plot = {{kR1, kR2, kC, kTh, kTl, kT}, engine::plot::Astable555Plot},
        .deck = engine::spice::Astable555Deck,
    };
    // clang-format on
    return model;
}
