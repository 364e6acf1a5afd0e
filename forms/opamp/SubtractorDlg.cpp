#include "forms/opamp/SubtractorDlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace subtractor;

void ComputeSubtractor(std::span<double> v, std::span<const int> modes) {
    double& g1 = v[kG1];
    double& g2 = v[kG2];
    double& r1 = v[kR1];
    const double r2 = v[kR2];
    double& r3 = v[kR3];
    switch (modes[0]) {
        case kResistors:
            if (r1 > kTinyValue && r2 > kTinyValue && r3 > kTinyValue) {
                g1 = r2 / r1;
                g2 = r2 * (r1 + r2) / (r1 * (r2 + r3));
            } else {
                g1 = kErrorValue;
                g2 = kErrorValue;
            }
            break;
        case kGainsAndR2:
            if (g1 > kTinyValue && g2 > kTinyValue && r2 > kTinyValue) {
                r1 = r2 / g1;
                // Gains no divider can give (G2 > 1 + G1) come out as a negative
                // R3, shown with its sign so that the user sees it.
                r3 = r2 * ((r1 + r2) / (g2 * r1) - 1);
            } else {
                r1 = kErrorValue;
                r3 = kErrorValue;
            }
            break;
        default:
            break;
    }
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::Subtractor(),
        1146,
        1145,
        145,
        {{1143, "1"}, {1144, "1"}, {1140, "2.2k"}, {1141, "4.7k"}, {1142, "2.2k"}},
        {{1138}},
        {{kR1, kR2, kR3}, {kR2, kG1, kG2}},
        ComputeSubtractor,
    };
    return form;
}

}  // namespace

CSubtractorDlg::CSubtractorDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CSubtractorDlg"));
}
