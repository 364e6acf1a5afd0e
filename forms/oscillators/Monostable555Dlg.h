#pragma once
// The "Monostable oscillator, 555 based" dialog: its row of the binding table.

#include "engine/oscillators/Monostable555.h"
#include "forms/CalcFormDlg.h"

class CMonostable555Dlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CMonostable555Dlg";
    CMonostable555Dlg() : CCalcFormDlg(kName) {}
};
