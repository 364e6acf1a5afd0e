#include "engine/opamp/Integrator.h"

#include "res/ids/IntegratorIds.h"
#include "res/menus/CommandIds.h"

const engine::FormModel& IntegratorModel() {
    namespace id = ids::integrator;
    static const engine::FormModel model =
        rc_time::Describe({"CIntegratorDlg", "integrator", "Integrator", menus::kIntegratorCommand, 125},
                          {id::kClose, id::kHelp, id::kModeRAndC, id::kModeRAndDeltaT, id::kEditR, id::kEditC,
                           id::kEditDeltaT});
    return model;
}
