#include "forms/passive/OhmsLawDlg.h"

#include "res/templates/Templates.h"

COhmsLawDlg::COhmsLawDlg() : CCalcFormDlg(templates::OhmsLaw(), OhmsLawModel()) {}
