#pragma once
// The "Inverting amplifier" dialog: its layout bound to the engine's form.

#include "engine/opamp/SchmittTrigger.h"
#include "forms/CalcFormDlg.h"

class CSchmittTriggerDlg : public CCalcFormDlg {
  public:
    CSchmittTriggerDlg();
};
