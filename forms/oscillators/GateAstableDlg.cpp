#include "forms/oscillators/GateAstableDlg.h"

#include "res/templates/Templates.h"

CGateAstableDlg::CGateAstableDlg() : CCalcFormDlg(templates::GateAstable(), GateAstableModel()) {}
