#include "engine/opamp/Integrator.h"

const engine::FormModel& IntegratorModel() {
    static const engine::FormModel model = rc_time::Describe({"CIntegratorDlg", "integrator", "Integrator"});
    return model;
}
