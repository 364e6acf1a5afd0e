#pragma once
// Differentiator: C in series with the input, R in the feedback; DeltaT = 0.7 x R x C.

#include "core/CalcFormDlg.h"
#include "forms/opamp/RcTimeStage.h"

class CDifferentiatorDlg : public CCalcFormDlg {
  public:
    CDifferentiatorDlg();
};
