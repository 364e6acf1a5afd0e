#pragma once
// The "Cylindar self, monocoated" dialog: its layout bound to the engine's form.

#include "engine/inductors/SingleLayerCoil.h"
#include "forms/CalcFormDlg.h"

class CSingleLayerCoilDlg : public CCalcFormDlg {
  public:
    CSingleLayerCoilDlg();
};
