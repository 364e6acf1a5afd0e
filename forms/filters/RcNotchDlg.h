#pragma once
// RC twin-T notch filter; its Fc is the rejected frequency.

#include "forms/filters/RcFilter.h"

class CRcNotchDlg : public CCalcFormDlg {
  public:
    CRcNotchDlg();
};
