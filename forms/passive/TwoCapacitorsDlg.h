#pragma once
// The "Two capacitors" dialog: its row of the binding table.

#include "engine/passive/TwoCapacitors.h"
#include "forms/CalcFormDlg.h"

class CTwoCapacitorsDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CTwoCapacitorsDlg";
    CTwoCapacitorsDlg() : CCalcFormDlg(kName) {}
};
