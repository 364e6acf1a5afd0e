#pragma once
// The "Astable oscillator, CMOS gate based" dialog: its layout bound to the engine's form.

#include "engine/oscillators/GateAstable.h"
#include "forms/CalcFormDlg.h"

class CGateAstableDlg : public CCalcFormDlg {
  public:
    CGateAstableDlg();
};
