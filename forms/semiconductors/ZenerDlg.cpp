#include "forms/semiconductors/ZenerDlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace zener;

void ComputeZener(std::span<double> v, std::span<const int> modes) {
    double& umax = v[kUmax];
    double& umin = v[kUmin];
    const double uz = v[kUz];
    double& pzmax = v[kPzmax];
    double& r = v[kR];
    double& icmax = v[kIcmax];
    double& rcmin = v[kRcmin];
    switch (modes[0]) {
        case kFromZenerPower:
            if (umax > umin && uz < umin && uz > kTinyValue && pzmax > kTinyValue) {
                // Unloaded at the highest input, the zener takes the whole current.
                r = (umax - uz) / pzmax * uz;
                // At the lowest input the load may take all the current through R.
                rcmin = uz / (umin - uz) * r;
                icmax = uz / rcmin;
            } else {
                r = icmax = rcmin = kErrorValue;
            }
            break;
        case kFromLoadCurrent:
            if (umax > umin && uz < umin && uz > kTinyValue && icmax > kTinyValue) {
                rcmin = uz / icmax;
                r = (umin - uz) / uz * rcmin;
                pzmax = (umax - uz) / r * uz;
            } else {
                r = pzmax = rcmin = kErrorValue;
            }
            break;
        case kFromResistor:
            if (uz > kTinyValue && icmax > kTinyValue) {
                rcmin = uz / icmax;
                umin = (r / rcmin + 1.0) * uz;
                umax = pzmax / uz * r + uz;
                // Umax - Umin = R * (Pzmax / Uz - Icmax): no range when R is 0 or
                // the zener cannot carry more than the load current.
                if (umax - umin < kTinyValue)
                    umax = umin = rcmin = kErrorValue;
            } else {
                umax = umin = rcmin = kErrorValue;
            }
            break;
        default:
            break;
    }
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::Zener(),
        1090,
        1091,
        265,
        {{1083, "13"}, {1084, "10"}, {1085, "5.6"}, {1086, "400m"}, {1087, "0"}, {1088, "10m"}, {1089, "0"}},
        {{1080}},
        {
            {kUmax, kUmin, kUz, kPzmax},
            {kUmax, kUmin, kUz, kIcmax},
            {kUz, kPzmax, kR, kIcmax},
        },
        ComputeZener,
    };
    return form;
}

}  // namespace

CZenerDlg::CZenerDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CZenerDlg"));
}
