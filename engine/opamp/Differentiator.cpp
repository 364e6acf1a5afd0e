#include "engine/opamp/Differentiator.h"

#include "res/ids/DifferentiatorIds.h"
#include "res/menus/CommandIds.h"

using namespace rc_time;

const engine::FormModel& DifferentiatorModel() {
    using namespace ids::differentiator;
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CDifferentiatorDlg",
        .alias = "differentiator",
        .caption = "Differentiator",
        .commandId = menus::kDifferentiatorCommand,
        .helpTopic = 120,
        .closeId = kClose,
        .helpId = kHelp,
        .fields = {
            {kEditC, "C", "C (Farad)", "F", Quantity::kCapacitance, "10n"},
            {kEditDeltaT, "DeltaT", "DeltaT (s)", "s", Quantity::kTime, "1"},
            {kEditR, "R", "R (ohm)", "ohm", Quantity::kResistance, "2.2k"},
        },
        .radioGroups = {
            {{{kModeRAndC, "R and C"}, {kModeRAndDeltaT, "R and DeltaT"}}, 0},
        },
        .inputsByMode = {{kR, kC}, {kR, kDeltaT}},
        .compute = ComputeRcTimeStage,
    };
    // clang-format on
    return model;
}
