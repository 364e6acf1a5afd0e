#include "forms/oscillators/Monostable555Dlg.h"

#include "res/templates/Templates.h"

CMonostable555Dlg::CMonostable555Dlg() : CCalcFormDlg(templates::Monostable555(), Monostable555Model()) {}
