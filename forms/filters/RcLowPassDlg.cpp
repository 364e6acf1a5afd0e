#include "forms/filters/RcLowPassDlg.h"

#include "res/templates/Templates.h"

namespace {

const FormDescription& Description() {
    static const FormDescription form = rc_filter::Describe(
        templates::RcLowPass(),
        {.close = 1182, .help = 1181, .firstRadio = 1176, .r = 1178, .c = 1179, .fc = 1180}, 245);
    return form;
}

}  // namespace

CRcLowPassDlg::CRcLowPassDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CRcLowPassDlg"));
}
