#pragma once
// The "Monostable oscillator, 555 based" dialog: its layout bound to the engine's form.

#include "engine/oscillators/Monostable555.h"
#include "forms/CalcFormDlg.h"

class CMonostable555Dlg : public CCalcFormDlg {
  public:
    CMonostable555Dlg();
};
