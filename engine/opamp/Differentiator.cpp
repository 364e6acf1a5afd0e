#include "engine/opamp/Differentiator.h"

const engine::FormModel& DifferentiatorModel() {
    static const engine::FormModel model =
        rc_time::Describe({"CDifferentiatorDlg", "differentiator", "Differentiator"});
    return model;
}
