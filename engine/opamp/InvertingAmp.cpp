#include "engine/opamp/InvertingAmp.h"

#include "res/ids/InvertingAmpIds.h"
#include "res/menus/CommandIds.h"

using namespace gain_stage;

void ComputeInvertingAmp(std::span<double> values, std::span<const int> modes) {
    ComputeGainStage(values, modes, Stage::kInverting);
}

const engine::FormModel& InvertingAmpModel() {
    using namespace ids::inverting_amp;
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CInvertingAmpDlg",
        .alias = "inverting-amp",
        .caption = "Inverting amplifier",
        .commandId = menus::kInvertingAmpCommand,
        .helpTopic = 130,
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
        .compute = ComputeInvertingAmp,
    };
    // clang-format on
    return model;
}
