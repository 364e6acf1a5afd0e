#pragma once
// The "Astable oscillator, 555 based" dialog: its layout bound to the engine's form.

#include "engine/oscillators/Astable555.h"
#include "forms/CalcFormDlg.h"

class CAstable555Dlg : public CCalcFormDlg {
  public:
    CAstable555Dlg();
};
