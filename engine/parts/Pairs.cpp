#include "engine/parts/Pairs.h"

#include <algorithm>
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

// The standard values on both sides of `ideal`: for a given first part the
// pair's value moves monotonically with the second, so the best second part
// is one of them (which one depends on the curve, not on the distance to ideal).
template <typename Use>
void Neighbours(double ideal, Series series, Use use) {
    const std::optional<StandardValue> nearest = Nearest(ideal, series);
    if (!nearest)
        return;
    for (const int step : {-1, 0, 1})
        use(Step(*nearest, step).Value());
}

}  // namespace

// A pair closer than the single part lies within the single part's error of
// the target, which bounds the first part: the larger of a sum between half
// that band and the target, the smaller of a reciprocal sum between the target
// and twice the band's top. Every such first part is tried with both
// neighbours of the second part it needs, so no pair is missed.
std::optional<PartPair> BestPair(double target, double single, Series series) {
    std::optional<PartPair> best;
    double bestError = std::fabs(single - target);
    const double low = target - bestError;
    const double high = target + bestError;
    for (std::optional<StandardValue> a = NextAbove(low * 0.5 * (1 - 1e-5), series); a && a->Value() < target;
         a = Advance(*a)) {
        const double first = a->Value();
        Neighbours(target - first, series, [&](double second) {
            Consider({false, std::max(first, second), std::min(first, second), first + second}, target, best,
                     bestError);
        });
    }
    for (std::optional<StandardValue> a = NextAbove(target, series); a && a->Value() <= 2 * high * (1 + 1e-9);
         a = Advance(*a)) {
        const double first = a->Value();
        Neighbours(1 / (1 / target - 1 / first), series, [&](double second) {
            Consider({true, std::min(first, second), std::max(first, second), 1 / (1 / first + 1 / second)},
                     target, best, bestError);
        });
    }
    return best;
}

}  // namespace engine::parts
