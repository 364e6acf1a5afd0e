#include "engine/filters/RcLowPass.h"

#include "res/ids/RcLowPassIds.h"
#include "res/menus/CommandIds.h"

using namespace rc_filter;

const engine::FormModel& RcLowPassModel() {
    using namespace ids::rc_low_pass;
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CRcLowPassDlg",
        .alias = "rc-low-pass",
        .caption = "RC low pass filter",
        .commandId = menus::kRcLowPassCommand,
        .helpTopic = 245,
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
