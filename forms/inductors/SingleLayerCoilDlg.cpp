#include "forms/inductors/SingleLayerCoilDlg.h"

#include <cmath>

#include "core/EngValue.h"
#include "res/templates/Templates.h"

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

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::SingleLayerCoil(),
        1022,
        1023,
        175,
        {{1026, "5m"}, {1029, "1"}, {1028, "100"}, {1027, "10m"}},
        {{1024}},
        {{kD, kN, kP}, {kD, kL, kP}},
        ComputeSingleLayerCoil,
    };
    return form;
}

}  // namespace

CSingleLayerCoilDlg::CSingleLayerCoilDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CSingleLayerCoilDlg"));
}
