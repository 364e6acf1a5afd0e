#pragma once
// The "Filtering capacitor" dialog: its row of the binding table.

#include "engine/passive/FilterCap.h"
#include "forms/CalcFormDlg.h"

class CFilterCapDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CFilterCapDlg";
    CFilterCapDlg() : CCalcFormDlg(kName) {}
};
