#include "engine/design/Yield.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace engine::design {

namespace {

// The draws are made here from the generator's bits, not by the standard
// library's distributions, whose results differ from one library to the
// next: a seed gives the same yield wherever the program runs.
class Draw {
  public:
    Draw(std::uint64_t seed, Distribution distribution) : engine_(seed), distribution_(distribution) {}

    // Where within its tolerance a part comes out: -1 to 1.
    double Next() {
        if (distribution_ == Distribution::kUniform)
            return 2 * Unit() - 1;
        for (;;) {
            const double radius = std::sqrt(-2 * std::log(1 - Unit()));
            const double x = radius * std::cos(2 * std::numbers::pi * Unit()) / 3;
            if (std::fabs(x) <= 1)
                return x;
        }
    }

  private:
    double Unit() { return static_cast<double>(engine_() >> 11) * 0x1p-53; }

    std::mt19937_64 engine_;
    Distribution distribution_;
};

// The z of a two-sided interval: erfc(z / sqrt 2) = 1 - confidence.
double ZFor(double confidence) {
    const double tail = 1 - std::clamp(confidence, 0.0, 1.0 - 1e-15);
    double low = 0, high = 40;
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2;
        (std::erfc(middle / std::numbers::sqrt2) > tail ? low : high) = middle;
    }
    return (low + high) / 2;
}

double Build(const PartChoice& choice, double tolerance, Draw& draw) {
    if (!choice.pair)
        return choice.value * (1 + tolerance * draw.Next());
    // The two parts of a pair stray each on its own.
    parts::PartPair pair = *choice.pair;
    pair.a *= 1 + tolerance * draw.Next();
    pair.b *= 1 + tolerance * draw.Next();
    return pair.reciprocal ? 1 / (1 / pair.a + 1 / pair.b) : pair.a + pair.b;
}

}  // namespace

const char* DistributionName(Distribution distribution) {
    return distribution == Distribution::kNormal ? "normal" : "uniform";
}

Interval WilsonInterval(int within, int samples, double confidence) {
    if (samples <= 0)
        return {0, 1};
    const double n = samples;
    const double p = within / n;
    const double z = ZFor(confidence);
    const double z2 = z * z;
    const double denominator = 1 + z2 / n;
    const double centre = (p + z2 / (2 * n)) / denominator;
    const double half = z * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / denominator;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

YieldResult EstimateYield(const DesignProblem& problem, const Candidate& candidate,
                          const YieldOptions& options) {
    YieldResult result;
    result.confidence = options.confidence;
    const size_t targets = problem.targets.size();
    std::vector<double> window(targets, -1);  // relative half width, -1 for none
    for (size_t t = 0; t < targets; ++t) {
        const auto found = options.windowPercent.find(problem.targets[t].name);
        if (found != options.windowPercent.end())
            window[t] = found->second / 100;
    }
    const int bins = std::max(options.bins, 1);
    for (size_t t = 0; t < targets; ++t) {
        Histogram histogram;
        histogram.name = problem.targets[t].name;
        // Every build lies within the worst case, each output moving one way with each part.
        const bool corners = t < candidate.low.size() && std::isfinite(candidate.low[t]) &&
                             std::isfinite(candidate.high[t]) && candidate.low[t] <= candidate.high[t];
        const double nominal = t < candidate.outputs.size() ? candidate.outputs[t] : problem.targets[t].value;
        histogram.from = corners ? candidate.low[t] : nominal - std::fabs(nominal) / 2;
        histogram.to = corners ? candidate.high[t] : nominal + std::fabs(nominal) / 2;
        histogram.counts.assign(static_cast<size_t>(bins), 0);
        if (window[t] >= 0) {
            const double target = problem.targets[t].value;
            histogram.windowLow = target - window[t] * std::fabs(target);
            histogram.windowHigh = target + window[t] * std::fabs(target);
        }
        result.histograms.push_back(std::move(histogram));
    }

    AsBuiltCircuit circuit(problem);
    Draw draw(options.seed, options.distribution);
    std::vector<double> values(problem.parts.size()), outputs(targets);
    result.samples = std::clamp(options.samples, 1, kMaxSamples);
    for (int s = 0; s < result.samples; ++s) {
        for (size_t p = 0; p < problem.parts.size(); ++p)
            values[p] = Build(candidate.parts[p], problem.parts[p].tolerance, draw);
        if (!circuit.Run(values, outputs)) {
            ++result.failed;
            continue;
        }
        bool inside = true;
        for (size_t t = 0; t < targets; ++t) {
            Histogram& histogram = result.histograms[t];
            const double width = histogram.to - histogram.from;
            const double at = width > 0 ? (outputs[t] - histogram.from) / width * bins : 0;
            ++histogram.counts[static_cast<size_t>(std::clamp(at, 0.0, bins - 1.0))];
            if (window[t] >= 0)
                inside = inside && outputs[t] >= histogram.windowLow && outputs[t] <= histogram.windowHigh;
        }
        result.within += inside ? 1 : 0;
    }
    result.share = static_cast<double>(result.within) / result.samples;
    const Interval interval = WilsonInterval(result.within, result.samples, options.confidence);
    result.low = interval.low;
    result.high = interval.high;
    return result;
}

}  // namespace engine::design
