#pragma once
// The "Two capacitors" dialog: its layout bound to the engine's form.

#include "engine/passive/TwoCapacitors.h"
#include "forms/CalcFormDlg.h"

class CTwoCapacitorsDlg : public CCalcFormDlg {
  public:
    CTwoCapacitorsDlg();
};
