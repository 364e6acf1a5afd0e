#pragma once
// The "Class A amplifier" dialog: its layout bound to the engine's form.

#include "engine/semiconductors/ClassAAmp.h"
#include "forms/CalcFormDlg.h"

class CClassAAmpDlg : public CCalcFormDlg {
  public:
    CClassAAmpDlg();
};
