#include "engine/filters/RcHighPass.h"

const engine::FormModel& RcHighPassModel() {
    static const engine::FormModel model =
        rc_filter::Describe({"CRcHighPassDlg", "rc-high-pass", "RC high pass filter"});
    return model;
}
