#include "engine/opamp/InvertingAmp.h"

#include "engine/spice/DeckBuilders.h"

using namespace gain_stage;

void ComputeInvertingAmp(std::span<double> values, std::span<const int> modes) {
    ComputeGainStage(values, modes, Stage::kInverting);
}

const engine::FormModel& InvertingAmpModel() {
    static const engine::FormModel model =
        gain_stage::Describe({"CInvertingAmpDlg", "inverting-amp", "Inverting amplifier"},
                             ComputeInvertingAmp, engine::spice::InvertingAmpDeck);
    return model;
}
