#pragma once
// The "Ohm's Law" dialog: its row of the binding table.

#include "engine/passive/OhmsLaw.h"
#include "forms/CalcFormDlg.h"

class COhmsLawDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "COhmsLawDlg";
    COhmsLawDlg() : CCalcFormDlg(kName) {}
};
