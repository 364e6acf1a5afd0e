#include "forms/opamp/SummatorDlg.h"

#include "res/templates/Templates.h"

CSummatorDlg::CSummatorDlg() : CCalcFormDlg(templates::Summator(), SummatorModel()) {}
