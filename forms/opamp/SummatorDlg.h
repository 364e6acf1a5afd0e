#pragma once
// The "Summator" dialog: its row of the binding table.

#include "engine/opamp/Summator.h"
#include "forms/CalcFormDlg.h"

class CSummatorDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CSummatorDlg";
    CSummatorDlg() : CCalcFormDlg(kName) {}
};
