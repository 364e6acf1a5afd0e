#include "forms/passive/OhmsLawDlg.h"

#include <cmath>

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace ohms_law;

void ComputeOhmsLaw(std::span<double> v, std::span<const int> modes) {
    double& i = v[kI];
    double& p = v[kP];
    double& r = v[kR];
    double& u = v[kU];
    switch (modes[0]) {
        case kRAndI:
            u = i * r;
            p = i * i * r;
            break;
        case kRAndU:
            if (r < kTinyValue) {
                i = kErrorValue;
                p = kErrorValue;
            } else {
                i = u / r;
                p = u * u / r;
            }
            break;
        case kRAndP:
            i = r < kTinyValue ? kErrorValue : std::sqrt(p / r);
            u = std::sqrt(p * r);
            break;
        case kIAndU:
            p = i * u;
            r = i < kTinyValue ? kErrorValue : u / i;
            break;
        case kIAndP:
            if (i < kTinyValue) {
                r = kErrorValue;
                u = kErrorValue;
            } else {
                r = p / (i * i);
                u = p / i;
            }
            break;
        case kUAndP:
            r = p < kTinyValue ? kErrorValue : u * u / p;
            i = u < kTinyValue ? kErrorValue : p / u;
            break;
        default:
            break;
    }
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::OhmsLaw(),
        1013,
        1012,
        220,
        {{1000, "10m"}, {1006, "0"}, {1001, "1.2K"}, {1002, "0"}},
        {{1005}},
        {{kR, kI}, {kR, kU}, {kR, kP}, {kI, kU}, {kI, kP}, {kU, kP}},
        ComputeOhmsLaw,
    };
    return form;
}

}  // namespace

COhmsLawDlg::COhmsLawDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("COhmsLawDlg"));
}
