#pragma once
// The "Filtering capacitor" dialog: its layout bound to the engine's form.

#include "engine/passive/FilterCap.h"
#include "forms/CalcFormDlg.h"

class CFilterCapDlg : public CCalcFormDlg {
  public:
    CFilterCapDlg();
};
