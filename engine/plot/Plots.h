#pragma once
// The curve of each form that has one, from the form's state after a
// recalculation: what the window's plot panel draws and `plot` prints.

#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "engine/plot/Plot.h"

namespace engine::plot {

bool HasPlot(const FormModel& form);

// The plot of the form's circuit. state: as the recalculation was given it
// (the texts typed, not the ones it wrote back rounded), so that the curve and
// its markers have exactly the values the form shows. A plot that cannot be
// drawn (a field it needs shows "Error" or is zero, a design that does not
// operate, values beyond what its axes can write) has no curve and a message
// saying why. asBuilt, when
// given, is the same form with the parts actually fitted: its curves join
// the plot, marked as built (a reason it has none goes into the message).
PlotResult MakePlot(const FormModel& form, const FormState& state, const FormState* asBuilt = nullptr);

}  // namespace engine::plot
