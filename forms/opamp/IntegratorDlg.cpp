#include "forms/opamp/IntegratorDlg.h"

#include "res/templates/Templates.h"

using namespace rc_time;

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::Integrator(),
        1126,
        1125,
        125,
        {{1123, "10n"}, {1124, "1"}, {1122, "2.2k"}},
        {{1120}},
        {{kR, kC}, {kR, kDeltaT}},
        ComputeRcTimeStage,
    };
    return form;
}

}  // namespace

CIntegratorDlg::CIntegratorDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CIntegratorDlg"));
}
