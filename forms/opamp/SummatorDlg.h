#pragma once
// The "Summator" dialog: its layout bound to the engine's form.

#include "engine/opamp/Summator.h"
#include "forms/CalcFormDlg.h"

class CSummatorDlg : public CCalcFormDlg {
  public:
    CSummatorDlg();
};
