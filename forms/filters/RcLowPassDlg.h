#pragma once
// RC low-pass filter.

#include "forms/filters/RcFilter.h"

class CRcLowPassDlg : public CCalcFormDlg {
  public:
    CRcLowPassDlg();
};
