#pragma once
// The "Cylindar self, monocoated" dialog: its row of the binding table.

#include "engine/inductors/SingleLayerCoil.h"
#include "forms/CalcFormDlg.h"

class CSingleLayerCoilDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CSingleLayerCoilDlg";
    CSingleLayerCoilDlg() : CCalcFormDlg(kName) {}
};
