#pragma once
// The best combinations of standard parts for a design problem. The score
// of a combination is the largest relative error over the targets; equal
// scores (to a billionth) go to fewer parts, then to the smaller worst-case
// spread over the tolerances, then to the values nearest the form's own.
// Small spaces are searched through; larger ones by branch and bound over
// boxes of choices, whose outputs lie between those of the box's corners
// (each output of a form moves one way with each part). Either way the
// result is the true top of that order.

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/design/DesignProblem.h"

namespace engine::design {

struct Candidate {
    std::vector<PartChoice> parts;  // one per part of the problem
    std::vector<double> outputs;    // one per target, with the parts at their values
    std::vector<double> errors;     // (output - target) / |target|
    double score = 0;               // the largest |error|
    int partCount = 0;              // parts to buy, a pair counting two
    double spread = 0;              // the largest (max - min) / |target| over the corners
    std::vector<double> low, high;  // per target, over the tolerance corners
    double distance = 0;            // sum of |ln(value / form's value)| over the free parts
};

struct SearchResult {
    std::vector<Candidate> candidates;  // best first
    bool cancelled = false;
    double combinations = 0;  // the size of the space
    std::int64_t circuitRuns = 0;
};

// Called now and then with the share of the space done; false stops the search.
using SearchProgress = std::function<bool(double done)>;

inline constexpr int kDefaultTop = 10;

SearchResult Search(const DesignProblem& problem, int top = kDefaultTop, const SearchProgress& progress = {});

// Scores this close count as equal.
inline constexpr double kScoreResolution = 1e-9;

// Whether a ranks before b in the order above.
bool RanksBefore(const Candidate& a, const Candidate& b);

}  // namespace engine::design
