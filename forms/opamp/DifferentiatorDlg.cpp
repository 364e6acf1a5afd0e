#include "forms/opamp/DifferentiatorDlg.h"

#include "res/templates/Templates.h"

CDifferentiatorDlg::CDifferentiatorDlg() : CCalcFormDlg(templates::Differentiator(), DifferentiatorModel()) {}
