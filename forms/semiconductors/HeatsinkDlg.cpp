#include "forms/semiconductors/HeatsinkDlg.h"

#include "res/templates/Templates.h"

CHeatsinkDlg::CHeatsinkDlg() : CCalcFormDlg(templates::Heatsink(), HeatsinkModel()) {}
