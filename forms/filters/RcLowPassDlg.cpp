#include "forms/filters/RcLowPassDlg.h"

#include "res/templates/Templates.h"

CRcLowPassDlg::CRcLowPassDlg() : CCalcFormDlg(templates::RcLowPass(), RcLowPassModel()) {}
