#include "engine/oscillators/GateAstable.h"

#include "core/EngValue.h"
#include "engine/Constants.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

using namespace gate_astable;

void ComputeGateAstable(std::span<double> v, std::span<const int> modes) {
    double& c = v[kC];
    double& f = v[kF];
    double& r = v[kR];
    double& t = v[kT];
    switch (modes[0]) {
        case kRAndC:
            t = c * r * constants::kGateAstableFactor;
            break;
        case kRAndT:
            // Only a zero R asks for an infinite capacitor; however small, any
            // other R gives a number.
            c = t <= kTinyValue || r == 0 ? kErrorValue : t / (r * constants::kGateAstableFactor);
            break;
        default:
            break;
    }
    // F is never typed: it always follows the period shown.
    f = t <= kTinyValue ? kErrorValue : 1 / t;
}

const engine::FormModel& GateAstableModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CGateAstableDlg",
        .alias = "gate-astable",
        .caption = "Astable oscillator, CMOS gate based",
        .fields = {
            {"C", "C (Farad)", "F", Quantity::kCapacitance, "10n"},
            {"F", "F (Hz)", "Hz", Quantity::kFrequency, ""},
            {"R", "R (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {"T", "T (s)", "s", Quantity::kTime, "1"},
        },
        .radioGroups = {
            {{{"R and C"}, {"R and T"}}, 0},
        },
        .inputsByMode = {{kR, kC}, {kR, kT}},
        .compute = ComputeGateAstable,
        .parts = {{kR, kC}, {kRAndC, kRAndC}},
        .plot = {{kR, kC, kT}, engine::plot::GateAstablePlot},
        .deck = engine::spice::GateAstableDeck,
    };
    // clang-format on
    return model;
}
