#include "forms/opamp/SubtractorDlg.h"

#include "res/templates/Templates.h"

CSubtractorDlg::CSubtractorDlg() : CCalcFormDlg(templates::Subtractor(), SubtractorModel()) {}
