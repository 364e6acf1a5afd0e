#pragma once
// The "Summator" dialog: its layout bound to the engine's form.

#include "engine/opamp/Subtractor.h"
#include "forms/CalcFormDlg.h"

class CSubtractorDlg : public CCalcFormDlg {
  public:
    CSubtractorDlg();
};
