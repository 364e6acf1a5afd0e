#pragma once
// The "Two resistors" dialog: its layout bound to the engine's form.

#include "engine/passive/TwoResistors.h"
#include "forms/CalcFormDlg.h"

class CTwoResistorsDlg : public CCalcFormDlg {
  public:
    CTwoResistorsDlg();
};
