#include "engine/filters/RcLowPass.h"

const engine::FormModel& RcLowPassModel() {
    static const engine::FormModel model =
        rc_filter::Describe({"CRcLowPassDlg", "rc-low-pass", "RC low pass filter"});
    return model;
}
