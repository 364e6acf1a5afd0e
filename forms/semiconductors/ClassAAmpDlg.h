#pragma once
// The "Class A amplifier" dialog: its row of the binding table.

#include "engine/semiconductors/ClassAAmp.h"
#include "forms/CalcFormDlg.h"

class CClassAAmpDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CClassAAmpDlg";
    CClassAAmpDlg() : CCalcFormDlg(kName) {}
};
