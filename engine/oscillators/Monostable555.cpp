#include "engine/oscillators/Monostable555.h"

#include "core/EngValue.h"
#include "engine/Constants.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

using namespace monostable555;

void ComputeMonostable555(std::span<double> v, std::span<const int> modes) {
    double& c = v[kC];
    double& r1 = v[kR1];
    double& t = v[kT];
    switch (modes[0]) {
        case kR1AndC:
            t = c * r1 * constants::kMonostableFactor;
            break;
        case kR1AndT:
            // Only a zero R1 asks for an infinite capacitor; however small, any
            // other R1 gives a number.
            c = t <= kTinyValue || r1 == 0 ? kErrorValue : t / (r1 * constants::kMonostableFactor);
            break;
        default:
            break;
    }
}

const engine::FormModel& Monostable555Model() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CMonostable555Dlg",
        .alias = "monostable-555",
        .caption = "Monostable oscillator, 555 based",
        .fields = {
            {"C", "C (Farad)", "F", Quantity::kCapacitance, "10n"},
            {"R1", "R1 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {"T", "T (s)", "s", Quantity::kTime, "1"},
        },
        .radioGroups = {
            {{{"R1 and C"}, {"R1 and T"}}, 0},
        },
        .inputsByMode = {{kR1, kC}, {kR1, kT}},
        .compute = ComputeMonostable555,
        .parts = {{kR1, kC}, {kR1AndC, kR1AndC}},
        .plot = {{kR1, kC, kT}, engine::plot::Monostable555Plot},
        .deck = engine::spice::Monostable555Deck,
    };
    // clang-format on
    return model;
}
