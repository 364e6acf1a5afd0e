#include "engine/design/PartChoices.h"

#include <algorithm>
#include <cmath>

namespace engine::design {

namespace {

// A range end typed as 10M still takes the standard 10 M.
constexpr double kRangeSlack = 1e-9;
// A part under a hundredth of its partner changes less than its tolerance:
// no pair worth buying.
constexpr double kWidestPair = 100;
// Values this close are one value.
constexpr double kSameValue = 1e-12;

std::vector<double> SingleValues(parts::Series series, double min, double max) {
    std::vector<double> values;
    const int size = static_cast<int>(parts::SeriesHundredths(series).size());
    for (int rank = 0; rank < (parts::kHighestDecade - parts::kLowestDecade + 1) * size; ++rank) {
        const double value = parts::StandardValue{series, rank}.Value();
        if (value > max * (1 + kRangeSlack))
            break;
        if (value >= min * (1 - kRangeSlack))
            values.push_back(value);
    }
    return values;
}

}  // namespace

double PairValue(const parts::PartPair& pair) {
    return pair.reciprocal ? 1 / (1 / pair.a + 1 / pair.b) : pair.a + pair.b;
}

const char* PairWiring(const parts::PartPair& pair, parts::PartKind kind) {
    // Resistors add up in series, capacitors in parallel.
    return pair.reciprocal == (kind == parts::PartKind::kResistor) ? "parallel" : "series";
}

std::vector<PartChoice> StandardChoices(parts::Series series, double min, double max, bool pairs) {
    const std::vector<double> singles = SingleValues(series, min, max);
    std::vector<PartChoice> choices;
    for (const double value : singles)
        choices.push_back({value, 1, std::nullopt});
    if (pairs) {
        for (size_t i = 0; i < singles.size(); ++i) {
            for (size_t j = 0; j <= i; ++j) {
                if (singles[i] > kWidestPair * (1 + kRangeSlack) * singles[j])
                    continue;
                // a + b with a the larger; 1 / (1/a + 1/b) with a the smaller.
                for (const parts::PartPair pair : {parts::PartPair{false, singles[i], singles[j], 0},
                                                   parts::PartPair{true, singles[j], singles[i], 0}}) {
                    const double value = PairValue(pair);
                    if (value >= min * (1 - kRangeSlack) && value <= max * (1 + kRangeSlack))
                        choices.push_back(
                            {value, 2, parts::PartPair{pair.reciprocal, pair.a, pair.b, value}});
                }
            }
        }
    }
    std::stable_sort(choices.begin(), choices.end(),
                     [](const PartChoice& x, const PartChoice& y) { return x.value < y.value; });
    // Two ways to one value differ in the last bits at most: of such a run
    // the first with the fewest parts stays.
    std::vector<PartChoice> distinct;
    for (size_t start = 0; start < choices.size();) {
        size_t end = start + 1, kept = start;
        while (end < choices.size() &&
               choices[end].value - choices[start].value <= kSameValue * choices[start].value) {
            if (choices[end].count < choices[kept].count)
                kept = end;
            ++end;
        }
        distinct.push_back(choices[kept]);
        start = end;
    }
    return distinct;
}

}  // namespace engine::design
