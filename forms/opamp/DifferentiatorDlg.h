#pragma once
// The "Differentiator" dialog: its row of the binding table.

#include "engine/opamp/Differentiator.h"
#include "forms/CalcFormDlg.h"

class CDifferentiatorDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CDifferentiatorDlg";
    CDifferentiatorDlg() : CCalcFormDlg(kName) {}
};
