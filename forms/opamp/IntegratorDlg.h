#pragma once
// The "Integrator" dialog: its row of the binding table.

#include "engine/opamp/Integrator.h"
#include "forms/CalcFormDlg.h"

class CIntegratorDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CIntegratorDlg";
    CIntegratorDlg() : CCalcFormDlg(kName) {}
};
