#include "engine/inductors/MultiLayerCoil.h"

#include <cmath>

#include "core/EngValue.h"

using namespace multi_layer_coil;

// L = 8e-10 * D^2 * N^2 / (9 * P + 3 * D + 10 * E), lengths in metres, L in
// henries. Only D is checked: with D present the denominator cannot vanish.
void ComputeMultiLayerCoil(std::span<double> v, std::span<const int> modes) {
    const double d = v[kD];
    const double e = v[kE];
    const double p = v[kP];
    double& l = v[kL];
    double& n = v[kN];
    const double s = (p * 3 + d) * 3 + e * 10;
    switch (modes[0]) {
        case kFromTurns:
            l = d > kTinyValue ? d * d * n * n / s * 8e-10 : kErrorValue;
            break;
        case kFromInductance:
            n = d > kTinyValue ? std::sqrt(s / (d * d * 8e-10) * l) : kErrorValue;
            break;
        default:
            break;
    }
}

const engine::FormModel& MultiLayerCoilModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CMultiLayerCoilDlg",
        .alias = "multi-layer-coil",
        .caption = "Cylindar self, multicoated",
        .fields = {
            {"D", "D (m)", "m", Quantity::kLength, "5m"},
            {"E", "E (m)", "m", Quantity::kLength, "1m"},
            {"L", "L (H)", "H", Quantity::kInductance, ""},
            {"N", "N", "", Quantity::kCount, "100"},
            {"P", "P (m)", "m", Quantity::kLength, "10m"},
        },
        .radioGroups = {
            {{{"P, D, E, N"}, {"L, P, D, E"}}, 0},
        },
        .inputsByMode = {{kD, kE, kN, kP}, {kD, kE, kL, kP}},
        .compute = ComputeMultiLayerCoil,
        .parts = {{}, {}, {}, "a wound coil has no standard values"},
    };
    // clang-format on
    return model;
}
