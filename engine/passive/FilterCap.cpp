#include "engine/passive/FilterCap.h"

#include "core/EngValue.h"
#include "engine/Constants.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

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
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CFilterCapDlg",
        .alias = "filter-cap",
        .caption = "Filtering capacitor",
        .fields = {
            {"C", "C (F)", "F", Quantity::kCapacitance, "0"},
            {"DeltaU", "DeltaU (V)", "V", Quantity::kVoltage, "1"},
            {"I", "I (A)", "A", Quantity::kCurrent, "2"},
        },
        .radioGroups = {
            {{{"I, DeltaU"}, {"C, I"}, {"C, DeltaU"}}, 0},
            {{{"Mono-alternance"}, {"Bi-alternance"}}, 1},
        },
        .inputsByMode = {{kI, kDeltaU}, {kC, kI}, {kC, kDeltaU}},
        .compute = ComputeFilterCap,
        // The load current stays what the form was given or worked out.
        .parts = {{kC}, {kCAndI, kCAndI, kCAndDeltaU}},
        .plot = {{kC, kDeltaU, kI}, engine::plot::FilterCapPlot},
        .deck = engine::spice::FilterCapDeck,
    };
    // clang-format on
    return model;
}
