#pragma once
// Integrator: R in series with the input, C in the feedback; DeltaT = 0.7 x R x C.

#include "core/CalcFormDlg.h"
#include "forms/opamp/RcTimeStage.h"

class CIntegratorDlg : public CCalcFormDlg {
  public:
    CIntegratorDlg();
};
