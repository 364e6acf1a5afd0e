#pragma once
// Inverting amplifier: G = R2 / R1, shown as a magnitude.

#include <span>

#include "core/CalcFormDlg.h"
#include "forms/opamp/GainStage.h"

void ComputeInvertingAmp(std::span<double> values, std::span<const int> modes);

class CInvertingAmpDlg : public CCalcFormDlg {
  public:
    CInvertingAmpDlg();
};
