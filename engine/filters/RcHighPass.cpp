#include "engine/filters/RcHighPass.h"

#include "res/ids/RcHighPassIds.h"
#include "res/menus/CommandIds.h"

using namespace rc_filter;

const engine::FormModel& RcHighPassModel() {
    using namespace ids::rc_high_pass;
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CRcHighPassDlg",
        .alias = "rc-high-pass",
        .caption = "RC high pass filter",
        .commandId = menus::kRcHighPassCommand,
        .helpTopic = 240,
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
