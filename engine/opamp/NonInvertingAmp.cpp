#include "engine/opamp/NonInvertingAmp.h"

#include "res/ids/NonInvertingAmpIds.h"
#include "res/menus/CommandIds.h"

using namespace gain_stage;

void ComputeNonInvertingAmp(std::span<double> values, std::span<const int> modes) {
    ComputeGainStage(values, modes, Stage::kNonInverting);
}

const engine::FormModel& NonInvertingAmpModel() {
    namespace id = ids::non_inverting_amp;
    static const engine::FormModel model = gain_stage::Describe(
        {"CNonInvertingAmpDlg", "non-inverting-amp", "Non inverting amplifier",
         menus::kNonInvertingAmpCommand, 135},
        {id::kClose, id::kHelp, id::kModeR1AndR2, id::kModeR1AndG, id::kEditG, id::kEditR1, id::kEditR2},
        ComputeNonInvertingAmp);
    return model;
}
