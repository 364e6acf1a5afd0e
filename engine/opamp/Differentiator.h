#pragma once
// Differentiator: C in series with the input, R in the feedback; DeltaT = 0.7 x R x C.

#include "engine/FormModel.h"
#include "engine/opamp/RcTimeStage.h"

const engine::FormModel& DifferentiatorModel();
