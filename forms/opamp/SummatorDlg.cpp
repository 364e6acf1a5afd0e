#include "forms/opamp/SummatorDlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace summator;

void ComputeSummator(std::span<double> v, std::span<const int> modes) {
    double& g1 = v[kG1];
    double& g2 = v[kG2];
    double& r1 = v[kR1];
    double& r2 = v[kR2];
    const double r3 = v[kR3];
    switch (modes[0]) {
        case kResistors:
            if (r1 > kTinyValue && r2 > kTinyValue && r3 > kTinyValue) {
                g1 = r3 / r1;
                g2 = r3 / r2;
            } else {
                g1 = kErrorValue;
                g2 = kErrorValue;
            }
            break;
        case kGainsAndR3:
            if (g1 > kTinyValue && g2 > kTinyValue && r3 > kTinyValue) {
                r1 = r3 / g1;
                r2 = r3 / g2;
            } else {
                r1 = kErrorValue;
                r2 = kErrorValue;
            }
            break;
        default:
            break;
    }
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::Summator(),
        1137,
        1136,
        150,
        {{1134, "1"}, {1135, "1"}, {1131, "2.2k"}, {1132, "2.2k"}, {1133, "4.7k"}},
        {{1129}},
        {{kR1, kR2, kR3}, {kR3, kG1, kG2}},
        ComputeSummator,
    };
    return form;
}

}  // namespace

CSummatorDlg::CSummatorDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CSummatorDlg"));
}
