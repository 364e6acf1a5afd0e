#pragma once
// What the command line prints beside a calculation: the standard parts, the
// plot data and the values a SPICE deck is built with.

#include <map>
#include <string>

#include "cli/Output.h"
#include "engine/parts/PartsReport.h"
#include "engine/plot/Plot.h"
#include "engine/spice/SpiceDeck.h"

namespace cli {

Json PartsJson(const engine::parts::PartsReport& report);
Json PlotJson(const engine::plot::Plot& plot);

// The deck of the form's circuit, with every standard part when `asBuilt`;
// throws UsageError with the reason when the values make no circuit to simulate.
std::string SpiceDeckOrRefuse(const engine::FormModel& form, const engine::FormState& state,
                              engine::SpiceOptions options, bool asBuilt);

}  // namespace cli
