#include "engine/parts/Corners.h"

#include <cmath>

#include "core/EngValue.h"

namespace engine::parts {

namespace {

bool Fails(double value) {
    return value == kErrorValue || !std::isfinite(value);
}

// Sums of one output over the corners with a part high, and with it low: the
// difference of their means is how much that part moves the output.
struct Effect {
    double high = 0, low = 0;
    int highCount = 0, lowCount = 0;
    double Size() const {
        return highCount == 0 || lowCount == 0 ? 0 : std::fabs(high / highCount - low / lowCount);
    }
};

// The parts with a tolerance, by index, at most kMaxCornerParts of them.
std::vector<int> VariedParts(std::span<const double> parts, std::span<const double> tolerances) {
    std::vector<int> varied;
    for (size_t i = 0; i < parts.size() && varied.size() < kMaxCornerParts; ++i) {
        if (tolerances[i] > 0)
            varied.push_back(static_cast<int>(i));
    }
    return varied;
}

// What the corners of one output have given so far.
struct OutputTally {
    OutputSpread& spread;
    std::span<Effect> effects;  // one per varied part
    bool seen = false;

    void Add(int mask, double value) {
        if (Fails(value)) {
            ++spread.failedCorners;
            return;
        }
        if (!seen || value < spread.min) {
            spread.min = value;
            spread.minCorner = mask;
        }
        if (!seen || value > spread.max) {
            spread.max = value;
            spread.maxCorner = mask;
        }
        seen = true;
        for (size_t k = 0; k < effects.size(); ++k) {
            Effect& effect = effects[k];
            if ((mask >> k & 1) != 0) {
                effect.high += value;
                ++effect.highCount;
            } else {
                effect.low += value;
                ++effect.lowCount;
            }
        }
    }

    // No working corner leaves no range; the part that moves the output most.
    void Finish(const std::vector<int>& varied) {
        if (!seen)
            spread.min = spread.max = kErrorValue;
        double largest = 0;
        for (size_t k = 0; k < varied.size(); ++k) {
            const double size = effects[k].Size();
            // Rounding noise on an output a part does not touch is no effect.
            if (size > largest && size > 1e-9 * std::fabs(spread.nominal)) {
                largest = size;
                spread.mostSensitive = varied[k];
            }
        }
    }
};

}  // namespace

CornerResult EvaluateCorners(const CircuitFunction& circuit, std::span<const double> parts,
                             std::span<const double> tolerances, size_t outputCount) {
    CornerResult result;
    result.varied = VariedParts(parts, tolerances);
    const std::vector<int>& varied = result.varied;
    result.corners = 1 << varied.size();
    result.outputs.resize(outputCount);
    std::vector<double> corner(parts.begin(), parts.end());
    std::vector<double> outputs(outputCount);

    circuit(corner, outputs);
    for (size_t o = 0; o < outputCount; ++o)
        result.outputs[o].nominal = Fails(outputs[o]) ? kErrorValue : outputs[o];

    std::vector<Effect> effects(outputCount * varied.size());
    std::vector<OutputTally> tallies;
    for (size_t o = 0; o < outputCount; ++o)
        tallies.push_back(
            {result.outputs[o], std::span<Effect>(effects).subspan(o * varied.size(), varied.size()), false});
    for (int mask = 0; mask < result.corners; ++mask) {
        for (size_t k = 0; k < varied.size(); ++k) {
            const size_t i = static_cast<size_t>(varied[k]);
            corner[i] = parts[i] * ((mask >> k & 1) != 0 ? 1 + tolerances[i] : 1 - tolerances[i]);
        }
        circuit(corner, outputs);
        for (size_t o = 0; o < outputCount; ++o)
            tallies[o].Add(mask, outputs[o]);
    }
    for (OutputTally& tally : tallies)
        tally.Finish(varied);
    return result;
}

namespace {

// Grid steps along one part's tolerance band, then again around the best one.
constexpr int kCoarseSteps = 16;
constexpr int kFineSteps = 8;
constexpr int kSweeps = 3;

struct Search {
    const CircuitFunction& circuit;
    size_t output;
    double sign;  // +1 for the max, -1 for the min
    std::vector<double> outputs;
    std::vector<double> point;
    double best;

    // Tries `value` for part i; keeps it when the output goes further.
    bool Try(size_t i, double value) {
        const double kept = point[i];
        point[i] = value;
        circuit(point, outputs);
        const double v = outputs[output];
        // Rounding noise is no extreme.
        if (!Fails(v) && sign * (v - best) > 1e-12 * std::fabs(best)) {
            best = v;
            return true;
        }
        point[i] = kept;
        return false;
    }

    bool AlongPart(size_t i, double low, double high) {
        bool moved = false;
        const double coarse = (high - low) / kCoarseSteps;
        for (int g = 0; g <= kCoarseSteps; ++g)
            moved |= Try(i, low + coarse * g);
        const double centre = point[i];
        for (int g = -kFineSteps; g <= kFineSteps; ++g) {
            const double value = centre + coarse * g / kFineSteps;
            if (value >= low && value <= high)
                moved |= Try(i, value);
        }
        return moved;
    }
};

}  // namespace

void SearchInside(const CircuitFunction& circuit, std::span<const double> parts,
                  std::span<const double> tolerances, CornerResult& result) {
    for (size_t o = 0; o < result.outputs.size(); ++o) {
        OutputSpread& spread = result.outputs[o];
        // Where corners fail the working values need not be connected: the
        // range stays that of the working corners, and says so.
        if (spread.failedCorners > 0)
            continue;
        for (const double sign : {-1.0, 1.0}) {
            const int mask = sign > 0 ? spread.maxCorner : spread.minCorner;
            if (mask < 0)
                continue;
            Search search{circuit,
                          o,
                          sign,
                          std::vector<double>(result.outputs.size()),
                          std::vector<double>(parts.begin(), parts.end()),
                          sign > 0 ? spread.max : spread.min};
            for (size_t k = 0; k < result.varied.size(); ++k) {
                const size_t i = static_cast<size_t>(result.varied[k]);
                search.point[i] = parts[i] * ((mask >> k & 1) != 0 ? 1 + tolerances[i] : 1 - tolerances[i]);
            }
            for (int sweep = 0; sweep < kSweeps; ++sweep) {
                bool moved = false;
                for (const int i : result.varied) {
                    const size_t p = static_cast<size_t>(i);
                    moved |=
                        search.AlongPart(p, parts[p] * (1 - tolerances[p]), parts[p] * (1 + tolerances[p]));
                }
                if (!moved)
                    break;
            }
            (sign > 0 ? spread.max : spread.min) = search.best;
        }
    }
}

}  // namespace engine::parts
