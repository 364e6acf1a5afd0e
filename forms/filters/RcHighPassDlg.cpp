#include "forms/filters/RcHighPassDlg.h"

#include "res/templates/Templates.h"

CRcHighPassDlg::CRcHighPassDlg() : CCalcFormDlg(templates::RcHighPass(), RcHighPassModel()) {}
