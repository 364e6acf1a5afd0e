#pragma once
// The "Inverting amplifier" dialog: its row of the binding table.

#include "engine/opamp/SchmittTrigger.h"
#include "forms/CalcFormDlg.h"

class CSchmittTriggerDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CSchmittTriggerDlg";
    CSchmittTriggerDlg() : CCalcFormDlg(kName) {}
};
