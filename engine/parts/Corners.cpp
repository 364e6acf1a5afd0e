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

}  // namespace

CornerResult EvaluateCorners(const CircuitFunction& circuit, std::span<const double> parts,
                             std::span<const double> tolerances, size_t outputCount) {
    std::vector<int> varied;
    for (size_t i = 0; i < parts.size() && varied.size() < kMaxCornerParts; ++i) {
        if (tolerances[i] > 0)
            varied.push_back(static_cast<int>(i));
    }
    CornerResult result;
    result.corners = 1 << varied.size();
    result.outputs.resize(outputCount);
    std::vector<double> corner(parts.begin(), parts.end());
    std::vector<double> outputs(outputCount);

    circuit(corner, outputs);
    for (size_t o = 0; o < outputCount; ++o)
        result.outputs[o].nominal = Fails(outputs[o]) ? kErrorValue : outputs[o];

    std::vector<Effect> effects(outputCount * varied.size());
    std::vector<bool> seen(outputCount, false);
    for (int mask = 0; mask < result.corners; ++mask) {
        for (size_t k = 0; k < varied.size(); ++k) {
            const size_t i = static_cast<size_t>(varied[k]);
            corner[i] = parts[i] * ((mask >> k & 1) != 0 ? 1 + tolerances[i] : 1 - tolerances[i]);
        }
        circuit(corner, outputs);
        for (size_t o = 0; o < outputCount; ++o) {
            OutputSpread& spread = result.outputs[o];
            const double value = outputs[o];
            if (Fails(value)) {
                ++spread.failedCorners;
                continue;
            }
            spread.min = seen[o] ? std::fmin(spread.min, value) : value;
            spread.max = seen[o] ? std::fmax(spread.max, value) : value;
            seen[o] = true;
            for (size_t k = 0; k < varied.size(); ++k) {
                Effect& effect = effects[o * varied.size() + k];
                if ((mask >> k & 1) != 0) {
                    effect.high += value;
                    ++effect.highCount;
                } else {
                    effect.low += value;
                    ++effect.lowCount;
                }
            }
        }
    }
    for (size_t o = 0; o < outputCount; ++o) {
        OutputSpread& spread = result.outputs[o];
        if (!seen[o])
            spread.min = spread.max = kErrorValue;
        double largest = 0;
        for (size_t k = 0; k < varied.size(); ++k) {
            const double size = effects[o * varied.size() + k].Size();
            // Rounding noise on an output a part does not touch is no effect.
            if (size > largest && size > 1e-9 * std::fabs(spread.nominal)) {
                largest = size;
                spread.mostSensitive = varied[k];
            }
        }
    }
    return result;
}

}  // namespace engine::parts
