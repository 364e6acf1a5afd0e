#include "engine/opamp/RcTimeStage.h"

#include "core/EngValue.h"
#include "engine/Constants.h"

using namespace rc_time;

void ComputeRcTimeStage(std::span<double> v, std::span<const int> modes) {
    double& c = v[kC];
    double& deltaT = v[kDeltaT];
    double& r = v[kR];
    switch (modes[0]) {
        case kRAndC:
            deltaT = c * r * constants::kRcTimeFactor;
            break;
        case kRAndDeltaT: {
            // A zero R would make the capacitance infinite: report it like any
            // other quantity that cannot be computed.
            const double divisor = r * constants::kRcTimeFactor;
            if (deltaT > kTinyValue && divisor > 0)
                c = deltaT / divisor;
            else
                c = kErrorValue;
            break;
        }
        default:
            break;
    }
}
