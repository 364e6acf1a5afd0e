#pragma once
// The "Non inverting amplifier" dialog: its layout bound to the engine's form.

#include "engine/opamp/NonInvertingAmp.h"
#include "forms/CalcFormDlg.h"

class CNonInvertingAmpDlg : public CCalcFormDlg {
  public:
    CNonInvertingAmpDlg();
};
