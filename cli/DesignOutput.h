#pragma once
// A design search as voltaris-cli prints it: JSON (SI values as numbers) or
// text in the field notation.

#include <optional>
#include <string>
#include <vector>

#include "cli/Output.h"
#include "engine/design/Search.h"
#include "engine/design/Yield.h"

namespace cli {

struct DesignReport {
    const engine::design::DesignProblem& problem;
    const engine::design::SearchResult& result;
    const std::vector<engine::design::YieldResult>& yields;  // one per candidate, or none
    const engine::design::YieldOptions& yieldOptions;
    bool pairs = false;
};

// {"form", "mode", "targets", "candidates": [{"parts", "pairs" (with pairs
// only), "outputs", "errors", "score", "range", "yield" (with windows only)}]}.
Json DesignJson(const DesignReport& report);
// UTF-8.
std::string DesignText(const DesignReport& report);

}  // namespace cli
