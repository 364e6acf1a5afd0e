#pragma once
// The "RC low pass filter" dialog: its row of the binding table.

#include "engine/filters/RcLowPass.h"
#include "forms/CalcFormDlg.h"

class CRcLowPassDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CRcLowPassDlg";
    CRcLowPassDlg() : CCalcFormDlg(kName) {}
};
