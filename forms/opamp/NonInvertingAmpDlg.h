#pragma once
// The "Non inverting amplifier" dialog: its row of the binding table.

#include "engine/opamp/NonInvertingAmp.h"
#include "forms/CalcFormDlg.h"

class CNonInvertingAmpDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CNonInvertingAmpDlg";
    CNonInvertingAmpDlg() : CCalcFormDlg(kName) {}
};
