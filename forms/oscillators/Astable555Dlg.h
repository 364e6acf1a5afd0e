#pragma once
// The "Astable oscillator, 555 based" dialog: its row of the binding table.

#include "engine/oscillators/Astable555.h"
#include "forms/CalcFormDlg.h"

class CAstable555Dlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CAstable555Dlg";
    CAstable555Dlg() : CCalcFormDlg(kName) {}
};
