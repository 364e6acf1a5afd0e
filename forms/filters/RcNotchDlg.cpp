#include "forms/filters/RcNotchDlg.h"

#include "res/templates/Templates.h"

namespace {

const FormDescription& Description() {
    static const FormDescription form = rc_filter::Describe(
        templates::RcNotch(),
        {.close = 1196, .help = 1195, .firstRadio = 1190, .r = 1192, .c = 1193, .fc = 1194}, 250);
    return form;
}

}  // namespace

CRcNotchDlg::CRcNotchDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CRcNotchDlg"));
}
