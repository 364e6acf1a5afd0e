#pragma once
// The "Zener diode" dialog: its layout bound to the engine's form.

#include "engine/semiconductors/Zener.h"
#include "forms/CalcFormDlg.h"

class CZenerDlg : public CCalcFormDlg {
  public:
    CZenerDlg();
};
