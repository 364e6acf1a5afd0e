#pragma once
// The "Decibel" dialog: its row of the binding table.

#include "engine/passive/Decibel.h"
#include "forms/CalcFormDlg.h"

class CDecibelDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CDecibelDlg";
    CDecibelDlg() : CCalcFormDlg(kName) {}
};
