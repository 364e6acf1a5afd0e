#include "engine/opamp/InvertingAmp.h"

#include "res/ids/InvertingAmpIds.h"
#include "res/menus/CommandIds.h"

using namespace gain_stage;

void ComputeInvertingAmp(std::span<double> values, std::span<const int> modes) {
    ComputeGainStage(values, modes, Stage::kInverting);
}

const engine::FormModel& InvertingAmpModel() {
    namespace id = ids::inverting_amp;
    static const engine::FormModel model = gain_stage::Describe(
        {"CInvertingAmpDlg", "inverting-amp", "Inverting amplifier", menus::kInvertingAmpCommand, 130},
        {id::kClose, id::kHelp, id::kModeR1AndR2, id::kModeR1AndG, id::kEditG, id::kEditR1, id::kEditR2},
        ComputeInvertingAmp);
    return model;
}
