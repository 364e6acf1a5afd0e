#pragma once
// A parts report as plain text, the values in the field notation (Latin-1).

#include <string>

#include "engine/parts/PartsReport.h"

namespace engine::parts {

std::string PartsText(const PartsReport& report);

// "+3.95 %"; "" when there is none.
std::string DeviationText(const std::optional<double>& percent);
// Whether the two parts are wired side by side (resistors of a reciprocal sum,
// capacitors of a plain one).
bool InParallel(const PartPair& pair, PartKind kind);
// "27.00 K + 1.80 K" or "10.00 K // 100.00 K" (in parallel), as wired for its kind.
std::string PairText(const PartPair& pair, PartKind kind);
// "9.50 K - 10.50 K"
std::string RangeText(double min, double max);

}  // namespace engine::parts
