#pragma once
// The "Ohm's Law" dialog: its layout bound to the engine's form.

#include "engine/passive/OhmsLaw.h"
#include "forms/CalcFormDlg.h"

class COhmsLawDlg : public CCalcFormDlg {
  public:
    COhmsLawDlg();
};
