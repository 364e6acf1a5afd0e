#pragma once
// Integrator: R in series with the input, C in the feedback; DeltaT = 0.7 x R x C.

#include "engine/FormModel.h"
#include "engine/opamp/RcTimeStage.h"

const engine::FormModel& IntegratorModel();
