#pragma once
// The "RC notch filter" dialog: its row of the binding table.

#include "engine/filters/RcNotch.h"
#include "forms/CalcFormDlg.h"

class CRcNotchDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CRcNotchDlg";
    CRcNotchDlg() : CCalcFormDlg(kName) {}
};
