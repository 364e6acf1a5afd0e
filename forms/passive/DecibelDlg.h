#pragma once
// The "Decibel" dialog: its layout bound to the engine's form.

#include "engine/passive/Decibel.h"
#include "forms/CalcFormDlg.h"

class CDecibelDlg : public CCalcFormDlg {
  public:
    CDecibelDlg();
};
