#pragma once
// The "Inverting amplifier" dialog: its layout bound to the engine's form.

#include "engine/opamp/InvertingAmp.h"
#include "forms/CalcFormDlg.h"

class CInvertingAmpDlg : public CCalcFormDlg {
  public:
    CInvertingAmpDlg();
};
