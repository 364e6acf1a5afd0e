#include "engine/inductors/PrintedCoil.h"

#include <cmath>

#include "core/EngValue.h"

using namespace printed_coil;

// L = 1e-9 / 72 * G * N^(5/3) with the shape factor
// G = (D2 + D1) * ln((4 * D2 + D1) / (D2 - D1)); lengths in metres.
// The outer size must exceed the inner one, which keeps the logarithm's
// argument above 1 and G positive.
void ComputePrintedCoil(std::span<double> v, std::span<const int> modes) {
    const double d1 = v[kD1];
    const double d2 = v[kD2];
    double& l = v[kL];
    double& n = v[kN];
    if (modes[0] != kFromTurns && modes[0] != kFromInductance)
        return;
    double& computed = modes[0] == kFromTurns ? l : n;
    const double width = d2 - d1;
    if (!(d2 > kTinyValue) || !(width > kTinyValue)) {
        computed = kErrorValue;
        return;
    }
    const double logRatio = std::log((d2 * 4 + d1) / width);
    if (modes[0] == kFromTurns) {
        l = logRatio * (d2 + d1) * std::pow(n, 1.6666666666666667) * 1.3888888888888888e-11;
    } else {
        const double a = logRatio * (d2 + d1) * 1e-9;
        n = std::pow(a, -0.6) * std::pow(l, 0.6) * std::pow(72.0, 0.6);
    }
}

const engine::FormModel& PrintedCoilModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CPrintedCoilDlg",
        .alias = "printed-coil",
        .caption = "PCB printed self",
        .fields = {
            {"D1", "D1 (m)", "m", Quantity::kLength, "5m"},
            {"D2", "D2 (m)", "m", Quantity::kLength, "10m"},
            {"L", "L (H)", "H", Quantity::kInductance, "1"},
            {"N", "N", "", Quantity::kCount, "100"},
        },
        .radioGroups = {
            {{{"D1, D2, N"}, {"L, D1, D2"}}, 0},
        },
        .inputsByMode = {{kD1, kD2, kN}, {kD1, kD2, kL}},
        .compute = ComputePrintedCoil,
        .parts = {{}, {}, {}, "an etched coil has no standard values"},
    };
    // clang-format on
    return model;
}
