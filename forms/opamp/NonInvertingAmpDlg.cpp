#include "forms/opamp/NonInvertingAmpDlg.h"

#include "res/templates/Templates.h"

CNonInvertingAmpDlg::CNonInvertingAmpDlg()
    : CCalcFormDlg(templates::NonInvertingAmp(), NonInvertingAmpModel()) {}
