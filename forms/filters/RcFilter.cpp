#include "forms/filters/RcFilter.h"

#include "core/EngValue.h"

namespace rc_filter {

namespace {
// 2 pi to four decimals.
constexpr double kTwoPi = 6.2832;
}  // namespace

FormDescription Describe(const platform::DialogTemplate& dialog, const ControlIds& ids, int helpTopic) {
    return FormDescription{
        dialog,
        ids.close,
        ids.help,
        helpTopic,
        {{ids.c, "10n"}, {ids.fc, "1"}, {ids.r, "2.2k"}},
        {{ids.firstRadio}},
        {{kR, kC}, {kC, kFc}},
        ComputeRcFilter,
    };
}

}  // namespace rc_filter

using namespace rc_filter;

void ComputeRcFilter(std::span<double> v, std::span<const int> modes) {
    double& c = v[kC];
    double& fc = v[kFc];
    double& r = v[kR];
    switch (modes[0]) {
        case kRAndC:
            fc = r > kTinyValue && c > kTinyValue ? 1 / (c * r * kTwoPi) : kErrorValue;
            break;
        case kCAndFc:
            // The frequency was typed: keep it, and mark the resistor as not found.
            r = c > kTinyValue && fc > kTinyValue ? 1 / (fc * c * kTwoPi) : kErrorValue;
            break;
        default:
            break;
    }
}
