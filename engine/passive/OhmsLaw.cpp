#include "engine/passive/OhmsLaw.h"

#include <cmath>

#include "core/EngValue.h"
#include "engine/spice/DeckBuilders.h"

using namespace ohms_law;

void ComputeOhmsLaw(std::span<double> v, std::span<const int> modes) {
    double& i = v[kI];
    double& p = v[kP];
    double& r = v[kR];
    double& u = v[kU];
    switch (modes[0]) {
        case kRAndI:
            u = i * r;
            p = i * i * r;
            break;
        case kRAndU:
            if (r < kTinyValue) {
                i = kErrorValue;
                p = kErrorValue;
            } else {
                i = u / r;
                p = u * u / r;
            }
            break;
        case kRAndP:
            i = r < kTinyValue ? kErrorValue : std::sqrt(p / r);
            u = std::sqrt(p * r);
            break;
        case kIAndU:
            p = i * u;
            r = i < kTinyValue ? kErrorValue : u / i;
            break;
        case kIAndP:
            if (i < kTinyValue) {
                r = kErrorValue;
                u = kErrorValue;
            } else {
                r = p / (i * i);
                u = p / i;
            }
            break;
        case kUAndP:
            r = p < kTinyValue ? kErrorValue : u * u / p;
            i = u < kTinyValue ? kErrorValue : p / u;
            break;
        default:
            break;
    }
}

const engine::FormModel& OhmsLawModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "COhmsLawDlg",
        .alias = "ohms-law",
        .caption = "Ohm's Law",
        .fields = {
            {"I", "I (A)", "A", Quantity::kCurrent, "10m"},
            {"P", "P (W)", "W", Quantity::kPower, "0"},
            {"R", "R (ohm)", "ohm", Quantity::kResistance, "1.2K"},
            {"U", "U (V)", "V", Quantity::kVoltage, "0"},
        },
        .radioGroups = {
            {{{"R and I"}, {"R and U"}, {"R and P"}, {"I and U"}, {"I and P"}, {"U and P"}}, 0},
        },
        .inputsByMode = {{kR, kI}, {kR, kU}, {kR, kP}, {kI, kU}, {kI, kP}, {kU, kP}},
        .compute = ComputeOhmsLaw,
        // The one resistor is a part: a typed voltage is kept as the supply,
        // else the current.
        .parts = {{kR}, {kRAndI, kRAndU, kRAndP, kRAndU, kRAndI, kRAndU}},
        .deck = engine::spice::OhmsLawDeck,
    };
    // clang-format on
    return model;
}
