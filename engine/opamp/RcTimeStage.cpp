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

engine::FormModel rc_time::Describe(const engine::FormName& name, engine::plot::PlotBuilder plot,
                                    engine::spice::DeckBuilder deck) {
    using engine::Quantity;
    engine::FormModel model = engine::NamedModel(name);
    model.fields = {{"C", "C (Farad)", "F", Quantity::kCapacitance, "10n"},
                    {"DeltaT", "DeltaT (s)", "s", Quantity::kTime, "1"},
                    {"R", "R (ohm)", "ohm", Quantity::kResistance, "2.2k"}};
    model.radioGroups = {{{{"R and C"}, {"R and DeltaT"}}, 0}};
    model.inputsByMode = {{kR, kC}, {kR, kDeltaT}};
    model.compute = ComputeRcTimeStage;
    model.parts = {{kR, kC}, {kRAndC, kRAndC}};
    model.plot = {{kR, kC}, plot};
    model.deck = deck;
    return model;
}
