#pragma once
// The "Cylindar self, multicoated" dialog: its row of the binding table.

#include "engine/inductors/MultiLayerCoil.h"
#include "forms/CalcFormDlg.h"

class CMultiLayerCoilDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CMultiLayerCoilDlg";
    CMultiLayerCoilDlg() : CCalcFormDlg(kName) {}
};
