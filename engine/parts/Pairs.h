#pragma once
// Two standard parts for a value no single one comes close to: the best sum
// (resistors in series, capacitors in parallel) or reciprocal sum (resistors
// in parallel, capacitors in series) of two values of a series.

#include <optional>

#include "engine/parts/ESeries.h"

namespace engine::parts {

struct PartPair {
    bool reciprocal;  // 1 / (1 / a + 1 / b) rather than a + b
    double a;         // the larger part of a sum, the smaller of a reciprocal sum
    double b;
    double value;  // what the two give together
};

// The pair closest to `target`, but only when it is closer than `single`
// (the nearest single value); nothing otherwise.
std::optional<PartPair> BestPair(double target, double single, Series series);

}  // namespace engine::parts
