#include "forms/opamp/IntegratorDlg.h"

#include "res/templates/Templates.h"

CIntegratorDlg::CIntegratorDlg() : CCalcFormDlg(templates::Integrator(), IntegratorModel()) {}
