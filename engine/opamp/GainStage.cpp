#include "engine/opamp/GainStage.h"

#include "core/EngValue.h"

using namespace gain_stage;

void ComputeGainStage(std::span<double> v, std::span<const int> modes, Stage stage) {
    double& g = v[kG];
    double& r1 = v[kR1];
    double& r2 = v[kR2];
    const bool addsUnity = stage == Stage::kNonInverting;
    switch (modes[0]) {
        case kR1AndR2:
            if (r1 > kTinyValue)
                g = (addsUnity ? r2 + r1 : r2) / r1;
            else
                g = kErrorValue;
            break;
        case kR1AndG:
            if (!addsUnity)
                r2 = g * r1;
            else if (g > 1)
                r2 = (g - 1) * r1;
            else
                r2 = kErrorValue;  // no resistor gives a gain of one or less; R1 stays as typed
            break;
        default:
            break;
    }
}

engine::FormModel gain_stage::Describe(const engine::FormName& name, engine::ComputeFunction compute,
                                       engine::spice::DeckBuilder deck) {
    using engine::Quantity;
    engine::FormModel model = engine::NamedModel(name);
    model.fields = {{"G", "G (gain)", "", Quantity::kGain, "1"},
                    {"R1", "R1 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
                    {"R2", "R2 (ohm)", "ohm", Quantity::kResistance, "4.7k"}};
    model.radioGroups = {{{{"R1 and R2"}, {"R1 and G"}}, 0}};
    model.inputsByMode = {{kR1, kR2}, {kR1, kG}};
    model.compute = compute;
    model.parts = {{kR1, kR2}, {kR1AndR2, kR1AndR2}};
    model.deck = deck;
    return model;
}
