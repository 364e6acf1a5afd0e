#include "engine/filters/RcNotch.h"

#include "res/ids/RcNotchIds.h"
#include "res/menus/CommandIds.h"

const engine::FormModel& RcNotchModel() {
    namespace id = ids::rc_notch;
    static const engine::FormModel model = rc_filter::Describe(
        {"CRcNotchDlg", "rc-notch", "RC notch filter", menus::kRcNotchCommand, 250},
        {id::kClose, id::kHelp, id::kModeRAndC, id::kModeCAndFc, id::kEditR, id::kEditC, id::kEditFc});
    return model;
}
