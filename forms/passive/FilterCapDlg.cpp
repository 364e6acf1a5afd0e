#include "forms/passive/FilterCapDlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace filter_cap;

void ComputeFilterCap(std::span<double> v, std::span<const int> modes) {
    // Seconds of discharge per cycle; a bridge recharges twice as often.
    const double k = modes[1] == kHalfWave ? 0.0045 : 0.0015;
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

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::FilterCap(),
        1068,
        1067,
        155,
        {{1066, "0"}, {1064, "1"}, {1065, "2"}},
        {{1058}, {1061, kFullWave}},
        {{kI, kDeltaU}, {kC, kI}, {kC, kDeltaU}},
        ComputeFilterCap,
    };
    return form;
}

}  // namespace

CFilterCapDlg::CFilterCapDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CFilterCapDlg"));
}
