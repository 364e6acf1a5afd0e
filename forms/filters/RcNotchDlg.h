#pragma once
// The "RC notch filter" dialog: its layout bound to the engine's form.

#include "engine/filters/RcNotch.h"
#include "forms/CalcFormDlg.h"

class CRcNotchDlg : public CCalcFormDlg {
  public:
    CRcNotchDlg();
};
