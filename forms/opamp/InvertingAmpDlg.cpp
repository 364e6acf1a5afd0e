#include "forms/opamp/InvertingAmpDlg.h"

#include "res/templates/Templates.h"

CInvertingAmpDlg::CInvertingAmpDlg() : CCalcFormDlg(templates::InvertingAmp(), InvertingAmpModel()) {}
