#include "engine/opamp/Subtractor.h"

#include "core/EngValue.h"
#include "engine/spice/DeckBuilders.h"

using namespace subtractor;

void ComputeSubtractor(std::span<double> v, std::span<const int> modes) {
    double& g1 = v[kG1];
    double& g2 = v[kG2];
    double& r1 = v[kR1];
    const double r2 = v[kR2];
    double& r3 = v[kR3];
    switch (modes[0]) {
        case kResistors:
            if (r1 > kTinyValue && r2 > kTinyValue && r3 > kTinyValue) {
                g1 = r2 / r1;
                g2 = r2 * (r1 + r2) / (r1 * (r2 + r3));
            } else {
                g1 = kErrorValue;
                g2 = kErrorValue;
            }
            break;
        case kGainsAndR2:
            if (g1 > kTinyValue && g2 > kTinyValue && r2 > kTinyValue) {
                r1 = r2 / g1;
                // Gains no divider can give (G2 > 1 + G1) would need a negative
                // R3: no resistor does that.
                r3 = r2 * ((r1 + r2) / (g2 * r1) - 1);
                if (r3 < 0)
                    r3 = kErrorValue;
            } else {
                r1 = kErrorValue;
                r3 = kErrorValue;
            }
            break;
        default:
            break;
    }
}

const engine::FormModel& SubtractorModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CSubtractorDlg",
        .alias = "subtractor",
        .caption = "Summator",
        .fields = {
            {"G1", "G1 (gain)", "", Quantity::kGain, "1"},
            {"G2", "G2 (gain)", "", Quantity::kGain, "1"},
            {"R1", "R1 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {"R2", "R2 (ohm)", "ohm", Quantity::kResistance, "4.7k"},
            {"R3", "R3 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
        },
        .radioGroups = {
            {{{"R1, R2 and R3"}, {"G1, G2 and R2"}}, 0},
        },
        .inputsByMode = {{kR1, kR2, kR3}, {kR2, kG1, kG2}},
        .compute = ComputeSubtractor,
        .parts = {{kR1, kR2, kR3}, {kResistors, kResistors}},
        .deck = engine::spice::SubtractorDeck,
    };
    // clang-format on
    return model;
}
