#pragma once
// The "Inverting amplifier" dialog: its row of the binding table.

#include "engine/opamp/InvertingAmp.h"
#include "forms/CalcFormDlg.h"

class CInvertingAmpDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CInvertingAmpDlg";
    CInvertingAmpDlg() : CCalcFormDlg(kName) {}
};
