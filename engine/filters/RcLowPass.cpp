#include "engine/filters/RcLowPass.h"

#include "res/ids/RcLowPassIds.h"
#include "res/menus/CommandIds.h"

const engine::FormModel& RcLowPassModel() {
    namespace id = ids::rc_low_pass;
    static const engine::FormModel model = rc_filter::Describe(
        {"CRcLowPassDlg", "rc-low-pass", "RC low pass filter", menus::kRcLowPassCommand, 245},
        {id::kClose, id::kHelp, id::kModeRAndC, id::kModeCAndFc, id::kEditR, id::kEditC, id::kEditFc});
    return model;
}
