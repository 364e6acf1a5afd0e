#pragma once
// The "PCB printed self" dialog: its layout bound to the engine's form.

#include "engine/inductors/PrintedCoil.h"
#include "forms/CalcFormDlg.h"

class CPrintedCoilDlg : public CCalcFormDlg {
  public:
    CPrintedCoilDlg();
};
