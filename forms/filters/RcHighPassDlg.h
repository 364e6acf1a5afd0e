#pragma once
// The "RC high pass filter" dialog: its row of the binding table.

#include "engine/filters/RcHighPass.h"
#include "forms/CalcFormDlg.h"

class CRcHighPassDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CRcHighPassDlg";
    CRcHighPassDlg() : CCalcFormDlg(kName) {}
};
