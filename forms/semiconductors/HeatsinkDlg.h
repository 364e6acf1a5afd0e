#pragma once
// The "Heatsink" dialog: its row of the binding table.

#include "engine/semiconductors/Heatsink.h"
#include "forms/CalcFormDlg.h"

class CHeatsinkDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CHeatsinkDlg";
    CHeatsinkDlg() : CCalcFormDlg(kName) {}
};
