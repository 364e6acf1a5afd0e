// The yield against a Monte Carlo of its own: other generator, other draws,
// the circuit run here; and the Wilson interval against its known values.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/EngValue.h"
#include "engine/design/Yield.h"
#include "tests/design/DesignCases.h"

using namespace engine;
using namespace engine::design;

namespace {

TEST(DesignYield, WilsonIntervalHasItsTextbookValues) {
    const struct {
        int within, samples;
        double confidence, low, high;
    } cases[] = {
        {0, 10, 0.95, 0.0, 0.2775},      {5, 10, 0.95, 0.2366, 0.7634},   {10, 10, 0.95, 0.7225, 1.0},
        {50, 100, 0.95, 0.4038, 0.5962}, {81, 263, 0.95, 0.2553, 0.3662}, {50, 100, 0.99, 0.3753, 0.6247},
    };
    for (const auto& c : cases) {
        const Interval interval = WilsonInterval(c.within, c.samples, c.confidence);
        EXPECT_NEAR(interval.low, c.low, 5e-4) << c.within << "/" << c.samples;
        EXPECT_NEAR(interval.high, c.high, 5e-4) << c.within << "/" << c.samples;
    }
}

// Each physical part within its tolerance, a pair's two parts each on their own.
double Built(const PartChoice& choice, double tolerance, std::mt19937& random, bool normal) {
    auto stray = [&] {
        if (!normal)
            return std::uniform_real_distribution<double>(-1, 1)(random);
        for (;;) {
            const double x = std::normal_distribution<double>(0, 1.0 / 3)(random);
            if (std::fabs(x) <= 1)
                return x;
        }
    };
    if (!choice.pair)
        return choice.value * (1 + tolerance * stray());
    const double a = choice.pair->a * (1 + tolerance * stray()),
                 b = choice.pair->b * (1 + tolerance * stray());
    return choice.pair->reciprocal ? a * b / (a + b) : a + b;
}

TEST(DesignYield, AgreesWithAnIndependentMonteCarloWithinItsConfidence) {
    std::mt19937 random(4242);
    int compared = 0;
    for (const design_test::FormModes& entry : design_test::DesignableForms()) {
        SCOPED_TRACE(entry.form->className);
        for (int i = 0; i < 2; ++i) {
            const design_test::DesignCase c = design_test::RandomCase(
                *entry.form, entry.modes[static_cast<size_t>(i) % entry.modes.size()], random, i == 1);
            const DesignProblem problem = MakeProblem(*entry.form, c.state, c.options);
            const SearchResult found = Search(problem, 1);
            if (found.candidates.empty())
                continue;
            const Candidate& best = found.candidates.front();
            YieldOptions options;
            options.samples = 20000;
            options.seed = static_cast<std::uint64_t>(compared + 1);
            options.distribution = i == 0 ? Distribution::kUniform : Distribution::kNormal;
            options.confidence = 0.9999;
            std::vector<double> windows;
            for (const DesignTarget& target : problem.targets) {
                windows.push_back(std::uniform_real_distribution<double>(0.5, 8)(random));
                options.windowPercent[target.name] = windows.back();
            }
            const YieldResult yield = EstimateYield(problem, best, options);

            // The same builds, counted here.
            const std::vector<double> shown = design_test::FormValues(c);
            std::vector<int> modes = c.state.modes;
            modes[0] = c.asBuilt;
            const int samples = 100000;
            int within = 0;
            std::vector<double> values;
            for (int s = 0; s < samples; ++s) {
                values = shown;
                for (size_t p = 0; p < problem.parts.size(); ++p)
                    values[static_cast<size_t>(problem.parts[p].field)] =
                        Built(best.parts[p], problem.parts[p].tolerance, random, i == 1);
                Compute(*entry.form, values, modes, c.state.checks, nullptr);
                bool inside = true;
                for (size_t t = 0; t < problem.targets.size(); ++t) {
                    const double target = shown[static_cast<size_t>(problem.targets[t].field)];
                    const double output = values[static_cast<size_t>(problem.targets[t].field)];
                    inside = inside && output != kErrorValue &&
                             std::fabs(output - target) <= windows[t] / 100 * std::fabs(target);
                }
                within += inside ? 1 : 0;
            }
            const double share = static_cast<double>(within) / samples;
            // This estimate's own error, small beside the interval's, widens it a little.
            const double own = 4 * std::sqrt(share * (1 - share) / samples);
            EXPECT_GE(share, yield.low - own) << yield.share;
            EXPECT_LE(share, yield.high + own) << yield.share;
            EXPECT_EQ(yield.samples, 20000);
            int counted = 0;
            for (const int count : yield.histograms.front().counts)
                counted += count;
            EXPECT_EQ(counted + yield.failed, yield.samples);
            ++compared;
        }
    }
    EXPECT_GE(compared, 30);
}

}  // namespace
