#include "forms/opamp/DifferentiatorDlg.h"

#include "res/templates/Templates.h"

using namespace rc_time;

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::Differentiator(),
        1119,
        1118,
        120,
        {{1116, "10n"}, {1117, "1"}, {1115, "2.2k"}},
        {{1127}},
        {{kR, kC}, {kR, kDeltaT}},
        ComputeRcTimeStage,
    };
    return form;
}

}  // namespace

CDifferentiatorDlg::CDifferentiatorDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CDifferentiatorDlg"));
}
