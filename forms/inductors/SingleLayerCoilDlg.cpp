#include "forms/inductors/SingleLayerCoilDlg.h"

#include "res/templates/Templates.h"

CSingleLayerCoilDlg::CSingleLayerCoilDlg()
    : CCalcFormDlg(templates::SingleLayerCoil(), SingleLayerCoilModel()) {}
