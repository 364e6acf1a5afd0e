#pragma once
// The "Integrator" dialog: its layout bound to the engine's form.

#include "engine/opamp/Integrator.h"
#include "forms/CalcFormDlg.h"

class CIntegratorDlg : public CCalcFormDlg {
  public:
    CIntegratorDlg();
};
