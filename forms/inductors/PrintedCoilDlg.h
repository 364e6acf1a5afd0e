#pragma once
// The "PCB printed self" dialog: its row of the binding table.

#include "engine/inductors/PrintedCoil.h"
#include "forms/CalcFormDlg.h"

class CPrintedCoilDlg : public CCalcFormDlg {
  public:
    static constexpr const char* kName = "CPrintedCoilDlg";
    CPrintedCoilDlg() : CCalcFormDlg(kName) {}
};
