#include "forms/filters/RcNotchDlg.h"

#include "res/templates/Templates.h"

CRcNotchDlg::CRcNotchDlg() : CCalcFormDlg(templates::RcNotch(), RcNotchModel()) {}
