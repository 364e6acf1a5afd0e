#include "forms/semiconductors/ZenerDlg.h"

#include "res/templates/Templates.h"

CZenerDlg::CZenerDlg() : CCalcFormDlg(templates::Zener(), ZenerModel()) {}
