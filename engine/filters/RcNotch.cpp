#include "engine/filters/RcNotch.h"

#include "res/ids/RcNotchIds.h"
#include "res/menus/CommandIds.h"

using namespace rc_filter;

const engine::FormModel& RcNotchModel() {
    using namespace ids::rc_notch;
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CRcNotchDlg",
        .alias = "rc-notch",
        .caption = "RC notch filter",
        .commandId = menus::kRcNotchCommand,
        .helpTopic = 250,
        .closeId = kClose,
        .helpId = kHelp,
        .fields = {
            {kEditC, "C", "C (Farad)", "F", Quantity::kCapacitance, "10n"},
            {kEditFc, "Fc", "Fc (Hz)", "Hz", Quantity::kFrequency, "1"},
            {kEditR, "R", "R (ohm)", "ohm", Quantity::kResistance, "2.2k"},
        },
        .radioGroups = {
            {{{kModeRAndC, "R and C"}, {kModeCAndFc, "C and Fc"}}, 0},
        },
        .inputsByMode = {{kR, kC}, {kC, kFc}},
        .compute = ComputeRcFilter,
    };
    // clang-format on
    return model;
}
