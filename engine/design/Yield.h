#pragma once
// How many boards built from a combination come out within the windows set
// on its targets: a seeded Monte Carlo over the part tolerances, the share
// within with its Wilson interval, and the distribution of each target.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/design/DesignProblem.h"
#include "engine/design/Search.h"

namespace engine::design {

enum class Distribution {
    kUniform,  // anywhere within the tolerance, equally likely
    kNormal,   // the tolerance as three standard deviations, none beyond it
};

const char* DistributionName(Distribution distribution);  // "uniform"

struct YieldOptions {
    // By target name: within this many percent of the target either way.
    std::map<std::string, double> windowPercent;
    int samples = 10000;
    std::uint64_t seed = 1;
    Distribution distribution = Distribution::kUniform;
    double confidence = 0.95;
    int bins = 20;
};

inline constexpr int kMaxSamples = 10'000'000;

struct Histogram {
    std::string name;                      // the target's
    double from = 0, to = 0;               // the range of the values drawn
    std::vector<int> counts;               // equal bins from `from` to `to`
    double windowLow = 0, windowHigh = 0;  // 0 and 0 for a target without a window
};

struct YieldResult {
    int samples = 0;
    int within = 0;  // builds with every windowed target inside its window
    int failed = 0;  // builds whose circuit gives no value
    double share = 0;
    double low = 0, high = 0;  // the Wilson interval at the confidence asked for
    double confidence = 0.95;
    std::vector<Histogram> histograms;  // one per target
};

YieldResult EstimateYield(const DesignProblem& problem, const Candidate& candidate,
                          const YieldOptions& options);

struct Interval {
    double low = 0, high = 0;
};
// The Wilson score interval of `within` successes in `samples` draws.
Interval WilsonInterval(int within, int samples, double confidence);

}  // namespace engine::design
