#include "engine/opamp/NonInvertingAmp.h"

#include "engine/spice/DeckBuilders.h"

using namespace gain_stage;

void ComputeNonInvertingAmp(std::span<double> values, std::span<const int> modes) {
    ComputeGainStage(values, modes, Stage::kNonInverting);
}

const engine::FormModel& NonInvertingAmpModel() {
    static const engine::FormModel model =
        gain_stage::Describe({"CNonInvertingAmpDlg", "non-inverting-amp", "Non inverting amplifier"},
                             ComputeNonInvertingAmp, engine::spice::NonInvertingAmpDeck);
    return model;
}
