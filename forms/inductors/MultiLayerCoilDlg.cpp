#include "forms/inductors/MultiLayerCoilDlg.h"

#include <cmath>

#include "core/EngValue.h"
#include "res/templates/Templates.h"

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

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::MultiLayerCoil(),
        1037,
        1036,
        215,
        {{1032, "5m"}, {1038, "1m"}, {1035, ""}, {1034, "100"}, {1033, "10m"}},
        {{1030}},
        {{kD, kE, kN, kP}, {kD, kE, kL, kP}},
        ComputeMultiLayerCoil,
    };
    return form;
}

}  // namespace

CMultiLayerCoilDlg::CMultiLayerCoilDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CMultiLayerCoilDlg"));
}
