#include "engine/parts/Pairs.h"

#include <cmath>

namespace engine::parts {

namespace {

// A pair is worth its second part only when it is clearly closer.
constexpr double kClearlyCloser = 1e-6;

void Consider(const PartPair& pair, double target, std::optional<PartPair>& best, double& bestError) {
    const double error = std::fabs(pair.value - target);
    if (error < bestError - kClearlyCloser * target) {
        best = pair;
        bestError = error;
    }
}

// The next value up, nothing at the top of the range.
std::optional<StandardValue> Advance(StandardValue value) {
    const StandardValue next = Step(value, 1);
    return next.rank == value.rank ? std::nullopt : std::optional<StandardValue>(next);
}

}  // namespace

// For a sum the larger part lies between half the target and the target, the
// other is the nearest to what is left; for a reciprocal sum the smaller part
// lies between the target and twice it. Every such first part is tried.
std::optional<PartPair> BestPair(double target, double single, Series series) {
    std::optional<PartPair> best;
    double bestError = std::fabs(single - target);
    for (std::optional<StandardValue> a = NextAbove(target * 0.5 * (1 - 1e-5), series);
         a && a->Value() < target; a = Advance(*a)) {
        if (const std::optional<StandardValue> b = Nearest(target - a->Value(), series))
            Consider({false, a->Value(), b->Value(), a->Value() + b->Value()}, target, best, bestError);
    }
    for (std::optional<StandardValue> a = NextAbove(target, series); a && a->Value() <= 2 * target;
         a = Advance(*a)) {
        if (const std::optional<StandardValue> b = Nearest(1 / (1 / target - 1 / a->Value()), series)) {
            const double together = 1 / (1 / a->Value() + 1 / b->Value());
            Consider({true, a->Value(), b->Value(), together}, target, best, bestError);
        }
    }
    return best;
}

}  // namespace engine::parts
