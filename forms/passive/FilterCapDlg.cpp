#include "forms/passive/FilterCapDlg.h"

#include "res/templates/Templates.h"

CFilterCapDlg::CFilterCapDlg() : CCalcFormDlg(templates::FilterCap(), FilterCapModel()) {}
