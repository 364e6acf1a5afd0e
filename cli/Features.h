#pragma once
// What the command line prints beside a calculation: the standard parts, the
// plot data and the values a SPICE deck is built with.

#include <map>

#include "cli/Output.h"
#include "engine/parts/PartsReport.h"
#include "engine/plot/Plot.h"

namespace cli {

Json PartsJson(const engine::parts::PartsReport& report);
Json PlotJson(const engine::plot::Plot& plot);

// The standard values of the form's parts, by field index, for a deck of the
// circuit as built.
std::map<int, double> AsBuiltValues(const engine::FormModel& form, const engine::FormState& state);

}  // namespace cli
