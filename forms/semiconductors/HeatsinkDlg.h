#pragma once
// The "Heatsink" dialog: its layout bound to the engine's form.

#include "engine/semiconductors/Heatsink.h"
#include "forms/CalcFormDlg.h"

class CHeatsinkDlg : public CCalcFormDlg {
  public:
    CHeatsinkDlg();
};
