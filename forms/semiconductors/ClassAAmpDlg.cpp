#include "forms/semiconductors/ClassAAmpDlg.h"

#include "res/templates/Templates.h"

CClassAAmpDlg::CClassAAmpDlg() : CCalcFormDlg(templates::ClassAAmp(), ClassAAmpModel()) {}
