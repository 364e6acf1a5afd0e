#pragma once
// RC high-pass filter.

#include "forms/filters/RcFilter.h"

class CRcHighPassDlg : public CCalcFormDlg {
  public:
    CRcHighPassDlg();
};
