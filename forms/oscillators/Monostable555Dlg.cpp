#include "forms/oscillators/Monostable555Dlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace monostable555;

void ComputeMonostable555(std::span<double> v, std::span<const int> modes) {
    double& c = v[kC];
    double& r1 = v[kR1];
    double& t = v[kT];
    switch (modes[0]) {
        case kR1AndC:
            t = c * r1 * 1.1;
            break;
        case kR1AndT:
            // A missing R1 would ask for an infinite capacitor.
            c = t <= kTinyValue || r1 <= kTinyValue ? kErrorValue : t / (r1 * 1.1);
            break;
        default:
            break;
    }
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::Monostable555(),
        1160,
        1159,
        115,
        {{1157, "10n"}, {1156, "2.2k"}, {1158, "1"}},
        {{1154}},
        {{kR1, kC}, {kR1, kT}},
        ComputeMonostable555,
    };
    return form;
}

}  // namespace

CMonostable555Dlg::CMonostable555Dlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CMonostable555Dlg"));
}
