#include "forms/semiconductors/HeatsinkDlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace heatsink;

// Tjmax - Ta = (RthJP + RthPH + RthHA) * Pmax. Temperatures in degrees
// Celsius; only Ta may be below zero.
void ComputeHeatsink(std::span<double> v, std::span<const int> modes) {
    double& rthHA = v[kRthHA];
    const double rthPH = v[kRthPH];
    const double rthJP = v[kRthJP];
    double& ta = v[kTa];
    double& tjmax = v[kTjmax];
    const double pmax = v[kPmax];
    const double rsum = rthPH + rthHA + rthJP;
    switch (modes[0]) {
        case kAllButRthHA:
            if (tjmax > ta && pmax > kTinyValue) {
                rthHA = (tjmax - ta) / pmax - rthPH - rthJP;
                // The package alone already runs too hot: no heatsink will do.
                if (rthHA < 0)
                    rthHA = kErrorValue;
            } else {
                rthHA = kErrorValue;
            }
            break;
        case kAllButTa:
            ta = tjmax - rsum * pmax;
            if (ta > tjmax)
                ta = kErrorValue;
            break;
        case kAllButTjmax:
            tjmax = rsum * pmax + ta;
            break;
        default:
            break;
    }
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::Heatsink(),
        1076,
        1075,
        195,
        {{1071, "3"}, {1072, "0.6"}, {1073, "2"}, {1074, "25", true}, {1077, "175"}, {1078, "10"}},
        {{1069}},
        {
            {kRthPH, kRthJP, kTa, kTjmax, kPmax},
            {kRthHA, kRthPH, kRthJP, kTjmax, kPmax},
            {kRthHA, kRthPH, kRthJP, kTa, kPmax},
        },
        ComputeHeatsink,
    };
    return form;
}

}  // namespace

CHeatsinkDlg::CHeatsinkDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CHeatsinkDlg"));
}
