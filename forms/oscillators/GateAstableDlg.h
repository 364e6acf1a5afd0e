#pragma once
// The "Astable oscillator, CMOS gate based" dialog: its row of the binding table.

#include "engine/oscillators/GateAstable.h"
#include "forms/CalcFormDlg.h"

class CGateAstableDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CGateAstableDlg";
    CGateAstableDlg() : CCalcFormDlg(kName) {}
};
