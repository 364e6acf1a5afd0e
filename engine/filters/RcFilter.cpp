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

engine::FormModel rc_filter::Describe(const engine::FormName& name, engine::plot::PlotBuilder plot,
                                      engine::spice::DeckBuilder deck) {
    using engine::Quantity;
    engine::FormModel model = engine::NamedModel(name);
    model.fields = {{"C", "C (Farad)", "F", Quantity::kCapacitance, "10n"},
                    {"Fc", "Fc (Hz)", "Hz", Quantity::kFrequency, "1"},
                    {"R", "R (ohm)", "ohm", Quantity::kResistance, "2.2k"}};
    model.radioGroups = {{{{"R and C"}, {"C and Fc"}}, 0}};
    model.inputsByMode = {{kR, kC}, {kC, kFc}};
    model.compute = ComputeRcFilter;
    model.parts = {{kR, kC}, {kRAndC, kRAndC}};
    model.plot = {{kR, kC, kFc}, plot};
    model.deck = deck;
    return model;
}
