#include "forms/passive/TwoCapacitorsDlg.h"

#include "res/templates/Templates.h"

CTwoCapacitorsDlg::CTwoCapacitorsDlg() : CCalcFormDlg(templates::TwoCapacitors(), TwoCapacitorsModel()) {}
