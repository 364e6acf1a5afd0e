#include "forms/filters/RcHighPassDlg.h"

#include "res/templates/Templates.h"

namespace {

const FormDescription& Description() {
    static const FormDescription form = rc_filter::Describe(
        templates::RcHighPass(),
        {.close = 1189, .help = 1188, .firstRadio = 1183, .r = 1185, .c = 1186, .fc = 1187}, 240);
    return form;
}

}  // namespace

CRcHighPassDlg::CRcHighPassDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CRcHighPassDlg"));
}
