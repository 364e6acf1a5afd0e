#include "forms/oscillators/Astable555Dlg.h"

#include "res/templates/Templates.h"

CAstable555Dlg::CAstable555Dlg() : CCalcFormDlg(templates::Astable555(), Astable555Model()) {}
