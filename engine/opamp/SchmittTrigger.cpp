#include "engine/opamp/SchmittTrigger.h"

#include "core/EngValue.h"
#include "res/ids/SchmittTriggerIds.h"
#include "res/menus/CommandIds.h"

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
    using namespace ids::schmitt_trigger;
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CSchmittTriggerDlg",
        .alias = "schmitt-trigger",
        .caption = "Inverting amplifier",
        .commandId = menus::kSchmittTriggerCommand,
        .helpTopic = 140,
        .closeId = kClose,
        .helpId = kHelp,
        .fields = {
            {kEditR1, "R1", "R1 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {kEditR2, "R2", "R2 (ohm)", "ohm", Quantity::kResistance, "4.7k"},
            {kEditUpwr, "Upwr", "Upwr (V)", "V", Quantity::kVoltage, "12"},
            {kEditUtrig, "Utrig", "Utrig (V)", "V", Quantity::kVoltage, "1"},
        },
        .radioGroups = {
            {{{kModeR1R2Upwr, "R1, R2, Upwr"}, {kModeR2UtrigUpwr, "R2, Utrig, Upwr"}}, 0},
        },
        .inputsByMode = {{kR1, kR2, kUpwr}, {kR2, kUpwr, kUtrig}},
        .compute = ComputeSchmittTrigger,
    };
    // clang-format on
    return model;
}
