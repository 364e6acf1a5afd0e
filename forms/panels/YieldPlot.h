#pragma once
// The distribution of each output over the builds of a yield estimate, as a
// plot the Plot panel's chart draws: one step curve per output, in percent
// from its target so that all of them share the axes, and the windows as
// markers at their edges.

#include "engine/design/DesignProblem.h"
#include "engine/design/Yield.h"
#include "engine/plot/Plot.h"

namespace forms {

engine::plot::Plot YieldPlot(const engine::design::DesignProblem& problem,
                             const engine::design::YieldResult& yield);

}  // namespace forms
