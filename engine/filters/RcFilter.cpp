#include "engine/filters/RcFilter.h"

#include "core/EngValue.h"
#include "engine/Constants.h"

using namespace rc_filter;

void ComputeRcFilter(std::span<double> v, std::span<const int> modes) {
    double& c = v[kC];
    double& fc = v[kFc];
    double& r = v[kR];
    switch (modes[0]) {
        case kRAndC:
            fc = r > kTinyValue && c > kTinyValue ? 1 / (c * r * constants::kTwoPi) : kErrorValue;
            break;
        case kCAndFc:
            // The frequency was typed: keep it, and mark the resistor as not found.
            r = c > kTinyValue && fc > kTinyValue ? 1 / (fc * c * constants::kTwoPi) : kErrorValue;
            break;
        default:
            break;
    }
}
