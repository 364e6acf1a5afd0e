#pragma once
// The "Two resistors" dialog: its row of the binding table.

#include "engine/passive/TwoResistors.h"
#include "forms/CalcFormDlg.h"

class CTwoResistorsDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CTwoResistorsDlg";
    CTwoResistorsDlg() : CCalcFormDlg(kName) {}
};
