#include "forms/inductors/MultiLayerCoilDlg.h"

#include "res/templates/Templates.h"

CMultiLayerCoilDlg::CMultiLayerCoilDlg() : CCalcFormDlg(templates::MultiLayerCoil(), MultiLayerCoilModel()) {}
