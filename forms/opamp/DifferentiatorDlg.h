#pragma once
// The "Differentiator" dialog: its layout bound to the engine's form.

#include "engine/opamp/Differentiator.h"
#include "forms/CalcFormDlg.h"

class CDifferentiatorDlg : public CCalcFormDlg {
  public:
    CDifferentiatorDlg();
};
