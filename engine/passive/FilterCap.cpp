#include "engine/passive/FilterCap.h"

#include "core/EngValue.h"
#include "engine/Constants.h"
#include "res/ids/FilterCapIds.h"
#include "res/menus/CommandIds.h"

using namespace filter_cap;

void ComputeFilterCap(std::span<double> v, std::span<const int> modes) {
    const double k = modes[1] == kHalfWave ? constants::kHalfWaveDischarge : constants::kFullWaveDischarge;
    double& c = v[kC];
    double& deltaU = v[kDeltaU];
    double& i = v[kI];
    switch (modes[0]) {
        case kIAndDeltaU:
            c = deltaU > kTinyValue ? k / deltaU * i : kErrorValue;
            break;
        case kCAndI:
            deltaU = c > kTinyValue ? k / c * i : kErrorValue;
            break;
        case kCAndDeltaU:
            i = deltaU / k * c;
            break;
        default:
            break;
    }
}

const engine::FormModel& FilterCapModel() {
    using namespace ids::filter_cap;
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CFilterCapDlg",
        .alias = "filter-cap",
        .caption = "Filtering capacitor",
        .commandId = menus::kFilterCapCommand,
        .helpTopic = 155,
        .closeId = kClose,
        .helpId = kHelp,
        .fields = {
            {kEditC, "C", "C (F)", "F", Quantity::kCapacitance, "0"},
            {kEditDeltaU, "DeltaU", "DeltaU (V)", "V", Quantity::kVoltage, "1"},
            {kEditI, "I", "I (A)", "A", Quantity::kCurrent, "2"},
        },
        .radioGroups = {
            {{{kModeIDeltaU, "I, DeltaU"}, {kModeCI, "C, I"}, {kModeCDeltaU, "C, DeltaU"}}, 0},
            {{{kModeMonoAlternance, "Mono-alternance"}, {kModeBiAlternance, "Bi-alternance"}}, 1},
        },
        .inputsByMode = {{kI, kDeltaU}, {kC, kI}, {kC, kDeltaU}},
        .compute = ComputeFilterCap,
    };
    // clang-format on
    return model;
}
