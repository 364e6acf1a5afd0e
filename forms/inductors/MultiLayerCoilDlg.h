#pragma once
// The "Cylindar self, multicoated" dialog: its layout bound to the engine's form.

#include "engine/inductors/MultiLayerCoil.h"
#include "forms/CalcFormDlg.h"

class CMultiLayerCoilDlg : public CCalcFormDlg {
  public:
    CMultiLayerCoilDlg();
};
