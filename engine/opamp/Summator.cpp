#include "engine/opamp/Summator.h"

#include "core/EngValue.h"
#include "engine/spice/DeckBuilders.h"

using namespace summator;

void ComputeSummator(std::span<double> v, std::span<const int> modes) {
    double& g1 = v[kG1];
    double& g2 = v[kG2];
    double& r1 = v[kR1];
    double& r2 = v[kR2];
    const double r3 = v[kR3];
    switch (modes[0]) {
        case kResistors:
            if (r1 > kTinyValue && r2 > kTinyValue && r3 > kTinyValue) {
                g1 = r3 / r1;
                g2 = r3 / r2;
            } else {
                g1 = kErrorValue;
                g2 = kErrorValue;
            }
            break;
        case kGainsAndR3:
            if (g1 > kTinyValue && g2 > kTinyValue && r3 > kTinyValue) {
                r1 = r3 / g1;
                r2 = r3 / g2;
            } else {
                r1 = kErrorValue;
                r2 = kErrorValue;
            }
            break;
        default:
            break;
    }
}

const engine::FormModel& SummatorModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CSummatorDlg",
        .alias = "summator",
        .caption = "Summator",
        .fields = {
            {"G1", "G1 (gain)", "", Quantity::kGain, "1"},
            {"G2", "G2 (gain)", "", Quantity::kGain, "1"},
            {"R1", "R1 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {"R2", "R2 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {"R3", "R3 (ohm)", "ohm", Quantity::kResistance, "4.7k"},
        },
        .radioGroups = {
            {{{"R1, R2 and R3"}, {"G1, G2 and R3"}}, 0},
        },
        .inputsByMode = {{kR1, kR2, kR3}, {kR3, kG1, kG2}},
        .compute = ComputeSummator,
        .parts = {{kR1, kR2, kR3}, {kResistors, kResistors}},
        .deck = engine::spice::SummatorDeck,
    };
    // clang-format on
    return model;
}
