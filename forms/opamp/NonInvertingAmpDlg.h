#pragma once
// Non-inverting amplifier: G = (R2 + R1) / R1, always above one.

#include <span>

#include "core/CalcFormDlg.h"
#include "forms/opamp/GainStage.h"

void ComputeNonInvertingAmp(std::span<double> values, std::span<const int> modes);

class CNonInvertingAmpDlg : public CCalcFormDlg {
  public:
    CNonInvertingAmpDlg();
};
