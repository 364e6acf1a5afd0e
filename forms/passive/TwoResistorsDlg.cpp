#include "forms/passive/TwoResistorsDlg.h"

#include "res/templates/Templates.h"

CTwoResistorsDlg::CTwoResistorsDlg() : CCalcFormDlg(templates::TwoResistors(), TwoResistorsModel()) {}
