#pragma once
// The "Zener diode" dialog: its row of the binding table.

#include "engine/semiconductors/Zener.h"
#include "forms/CalcFormDlg.h"

class CZenerDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CZenerDlg";
    CZenerDlg() : CCalcFormDlg(kName) {}
};
