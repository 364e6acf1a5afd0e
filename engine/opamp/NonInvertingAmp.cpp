#include "engine/opamp/NonInvertingAmp.h"

#include "res/ids/NonInvertingAmpIds.h"
#include "res/menus/CommandIds.h"

using namespace gain_stage;

void ComputeNonInvertingAmp(std::span<double> values, std::span<const int> modes) {
    ComputeGainStage(values, modes, Stage::kNonInverting);
}

const engine::FormModel& NonInvertingAmpModel() {
    using namespace ids::non_inverting_amp;
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CNonInvertingAmpDlg",
        .alias = "non-inverting-amp",
        .caption = "Non inverting amplifier",
        .commandId = menus::kNonInvertingAmpCommand,
        .helpTopic = 135,
        .closeId = kClose,
        .helpId = kHelp,
        .fields = {
            {kEditG, "G", "G (gain)", "", Quantity::kGain, "1"},
            {kEditR1, "R1", "R1 (ohm)", "ohm", Quantity::kResistance, "2.2k"},
            {kEditR2, "R2", "R2 (ohm)", "ohm", Quantity::kResistance, "4.7k"},
        },
        .radioGroups = {
            {{{kModeR1AndR2, "R1 and R2"}, {kModeR1AndG, "R1 and G"}}, 0},
        },
        .inputsByMode = {{kR1, kR2}, {kR1, kG}},
        .compute = ComputeNonInvertingAmp,
    };
    // clang-format on
    return model;
}
