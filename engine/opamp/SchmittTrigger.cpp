#include "engine/opamp/SchmittTrigger.h"

#include "core/EngValue.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

using namespace schmitt_trigger;

void ComputeSchmittTrigger(std::span<double> v, std::span<const int> modes) {
    double& r1 = v[kR1];
    const double r2 = v[kR2];
    const double upwr = v[kUpwr];
    double& utrig = v[kUtrig];
    switch (modes[0]) {
        case kResistorsAndSupply:
            if (r1 > kTinyValue && r2 > kTinyValue && upwr > kTinyValue)
                utrig = (upwr / r2) * r1;
            else
                utrig = kErrorValue;
            break;
        case kThresholdAndSupply:
            if (r2 > kTinyValue && utrig > kTinyValue && upwr > kTinyValue)
                r1 = (utrig / upwr) * r2;
            else
                r1 = kErrorValue;
            break;
        default:
            break;
    }
}

const engine::FormModel& SchmittTriggerModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CSchmittTriggerDlg",
        .alias = "schmitt-trigger",
        .caption = "Inverting amplifier",
        .fields = {
            {"R1", "R1 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {"R2", "R2 (ohm)", "ohm", Quantity::kResistance, "4.7k"},
            {"Upwr", "Upwr (V)", "V", Quantity::kVoltage, "12"},
            {"Utrig", "Utrig (V)", "V", Quantity::kVoltage, "1"},
        },
        .radioGroups = {
            {{{"R1, R2, Upwr"}, {"R2, Utrig, Upwr"}}, 0},
        },
        .inputsByMode = {{kR1, kR2, kUpwr}, {kR2, kUpwr, kUtrig}},
        .compute = ComputeSchmittTrigger,
        .parts = {{kR1, kR2}, {kResistorsAndSupply, kResistorsAndSupply}},
        .plot = {{kR1, kR2, kUpwr, kUtrig}, engine::plot::SchmittTriggerPlot},
        .deck = engine::spice::SchmittTriggerDeck,
    };
    // clang-format on
    return model;
}
