#pragma once
// The "Summator" dialog: its row of the binding table.

#include "engine/opamp/Subtractor.h"
#include "forms/CalcFormDlg.h"

class CSubtractorDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CSubtractorDlg";
    CSubtractorDlg() : CCalcFormDlg(kName) {}
};
