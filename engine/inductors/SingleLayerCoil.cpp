#include "engine/inductors/SingleLayerCoil.h"

#include <cmath>

#include "core/EngValue.h"

using namespace single_layer_coil;

// L = 1e-8 * D^2 * N^2 / (110 * P + 40 * D), lengths in metres, L in henries.
// Only D is checked: with D present the denominator cannot vanish.
void ComputeSingleLayerCoil(std::span<double> v, std::span<const int> modes) {
    const double d = v[kD];
    const double p = v[kP];
    double& l = v[kL];
    double& n = v[kN];
    switch (modes[0]) {
        case kFromTurns:
            l = d > kTinyValue ? d * d * n * n / (p * 110 + d * 40) * 1e-8 : kErrorValue;
            break;
        case kFromInductance:
            n = d > kTinyValue ? std::sqrt((p * 110 + d * 40) / (d * d * 1e-8) * l) : kErrorValue;
            break;
        default:
            break;
    }
}

const engine::FormModel& SingleLayerCoilModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CSingleLayerCoilDlg",
        .alias = "single-layer-coil",
        .caption = "Cylindar self, monocoated",
        .fields = {
            {"D", "D (m)", "m", Quantity::kLength, "5m"},
            {"L", "L (H)", "H", Quantity::kInductance, "1"},
            {"N", "N", "", Quantity::kCount, "100"},
            {"P", "P (m)", "m", Quantity::kLength, "10m"},
        },
        .radioGroups = {
            {{{"P, D, N"}, {"L, P, D"}}, 0},
        },
        .inputsByMode = {{kD, kN, kP}, {kD, kL, kP}},
        .compute = ComputeSingleLayerCoil,
        .parts = {{}, {}, {}, "a wound coil has no standard values"},
    };
    // clang-format on
    return model;
}
