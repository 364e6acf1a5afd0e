#include "forms/oscillators/GateAstableDlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace gate_astable;

void ComputeGateAstable(std::span<double> v, std::span<const int> modes) {
    double& c = v[kC];
    double& f = v[kF];
    double& r = v[kR];
    double& t = v[kT];
    switch (modes[0]) {
        case kRAndC:
            t = c * r * 0.7;
            break;
        case kRAndT:
            // A missing R would ask for an infinite capacitor.
            c = t <= kTinyValue || r <= kTinyValue ? kErrorValue : t / (r * 0.7);
            break;
        default:
            break;
    }
    // F is never typed: it always follows the period shown.
    f = t <= kTinyValue ? kErrorValue : 1 / t;
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::GateAstable(),
        1168,
        1167,
        165,
        {{1164, "10n"}, {1166, ""}, {1163, "2.2k"}, {1165, "1"}},
        {{1161}},
        {{kR, kC}, {kR, kT}},
        ComputeGateAstable,
    };
    return form;
}

}  // namespace

CGateAstableDlg::CGateAstableDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CGateAstableDlg"));
}
