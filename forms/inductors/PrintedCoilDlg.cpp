#include "forms/inductors/PrintedCoilDlg.h"

#include "res/templates/Templates.h"

CPrintedCoilDlg::CPrintedCoilDlg() : CCalcFormDlg(templates::PrintedCoil(), PrintedCoilModel()) {}
