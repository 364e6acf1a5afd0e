#include "forms/passive/DecibelDlg.h"

#include "res/templates/Templates.h"

CDecibelDlg::CDecibelDlg() : CCalcFormDlg(templates::Decibel(), DecibelModel()) {}
