#pragma once
// The values a part can be bought in: every standard value of its series
// within a range and, when pairs are allowed, every sum and reciprocal sum
// of two of them within the same range, the smaller at least a hundredth
// of the larger. Sorted by value; of equal values
// only the one with fewer parts stays.

#include <vector>

#include "engine/design/DesignProblem.h"

namespace engine::design {

// A part's value as two parts give it together.
double PairValue(const parts::PartPair& pair);
// "series" or "parallel": how the two are wired.
const char* PairWiring(const parts::PartPair& pair, parts::PartKind kind);

std::vector<PartChoice> StandardChoices(parts::Series series, double min, double max, bool pairs);

}  // namespace engine::design
