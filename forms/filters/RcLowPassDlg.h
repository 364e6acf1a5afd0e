#pragma once
// The "RC low pass filter" dialog: its layout bound to the engine's form.

#include "engine/filters/RcLowPass.h"
#include "forms/CalcFormDlg.h"

class CRcLowPassDlg : public CCalcFormDlg {
  public:
    CRcLowPassDlg();
};
