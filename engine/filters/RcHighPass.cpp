#include "engine/filters/RcHighPass.h"

#include "res/ids/RcHighPassIds.h"
#include "res/menus/CommandIds.h"

const engine::FormModel& RcHighPassModel() {
    namespace id = ids::rc_high_pass;
    static const engine::FormModel model = rc_filter::Describe(
        {"CRcHighPassDlg", "rc-high-pass", "RC high pass filter", menus::kRcHighPassCommand, 240},
        {id::kClose, id::kHelp, id::kModeRAndC, id::kModeCAndFc, id::kEditR, id::kEditC, id::kEditFc});
    return model;
}
