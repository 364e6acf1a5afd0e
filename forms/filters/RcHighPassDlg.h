#pragma once
// The "RC high pass filter" dialog: its layout bound to the engine's form.

#include "engine/filters/RcHighPass.h"
#include "forms/CalcFormDlg.h"

class CRcHighPassDlg : public CCalcFormDlg {
  public:
    CRcHighPassDlg();
};
