#include "engine/opamp/Differentiator.h"

#include "res/ids/DifferentiatorIds.h"
#include "res/menus/CommandIds.h"

const engine::FormModel& DifferentiatorModel() {
    namespace id = ids::differentiator;
    static const engine::FormModel model = rc_time::Describe(
        {"CDifferentiatorDlg", "differentiator", "Differentiator", menus::kDifferentiatorCommand, 120},
        {id::kClose, id::kHelp, id::kModeRAndC, id::kModeRAndDeltaT, id::kEditR, id::kEditC,
         id::kEditDeltaT});
    return model;
}
