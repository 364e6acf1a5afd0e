#include "engine/filters/RcNotch.h"

const engine::FormModel& RcNotchModel() {
    static const engine::FormModel model =
        rc_filter::Describe({"CRcNotchDlg", "rc-notch", "RC notch filter"});
    return model;
}
