#include "res/ids/RcHighPassIds.h"
#include "res/ids/RcLowPassIds.h"
#include "res/ids/RcNotchIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

namespace {

// The three RC filter dialogs share one layout; they differ in ids, size,
// the place of the two buttons and the schematic.
struct RcFilterIds {
    int dialog, close, help, modeRAndC, modeCAndFc, r, c, fc;
};

// The ids of one of the three dialogs, from its id header.
#define RC_FILTER_IDS(ns)                                                                            \
    RcFilterIds {                                                                                    \
        ns::kDialog, ns::kClose, ns::kHelp, ns::kModeRAndC, ns::kModeCAndFc, ns::kEditR, ns::kEditC, \
            ns::kEditFc                                                                              \
    }

struct RcFilterLayout {
    RcFilterIds ids;
    const char* caption;
    int cx, cy;
    int closeX, helpX, buttonsY;
    int pictureId, pictureX, pictureCx, pictureCy;
};

DialogTemplate RcFilterDialog(const RcFilterLayout& l) {
    const RcFilterIds& id = l.ids;
    // clang-format off
    return DialogTemplate{
        id.dialog, l.caption, l.cx, l.cy,
        {
            DefPushButton(id.close, "Close", l.closeX, l.buttonsY, 50, 14),
            Radio(id.modeRAndC, "R and C", 13, 19, 51, 10, kGroupStart | kTabStop),
            Radio(id.modeCAndFc, "C and Fc", 13, 30, 67, 10),
            Edit(id.r, 47, 56, 40, 14, kGroupStart | kTabStop),
            Edit(id.c, 47, 72, 40, 14),
            Edit(id.fc, 47, 105, 40, 14),
            PushButton(id.help, "Help", l.helpX, l.buttonsY, 50, 14),
            Picture(l.pictureId, l.pictureX, 7, l.pictureCx, l.pictureCy),
            GroupBox("What do you know ?", 7, 7, 80, 38),
            Label("R (ohm) = ", 7, 58, 38, 8),
            Label("C (Farad) = ", 7, 74, 38, 8),
            Label("Fc (Hz) = ", 7, 107, 40, 8),
        }};
    // clang-format on
}

}  // namespace

// clang-format off
//                                                       ids                             caption                cx   cy   Close Help y    picture x   cx   cy
const DialogTemplate& RcLowPass() {
    static const DialogTemplate dialog = RcFilterDialog({RC_FILTER_IDS(ids::rc_low_pass),  "RC low pass filter",  313, 145, 257,  204, 124, 170,    94, 213, 113});
    return dialog;
}

const DialogTemplate& RcHighPass() {
    static const DialogTemplate dialog = RcFilterDialog({RC_FILTER_IDS(ids::rc_high_pass), "RC high pass filter", 313, 150, 257,  204, 129, 168,    94, 213, 119});
    return dialog;
}

const DialogTemplate& RcNotch() {
    static const DialogTemplate dialog = RcFilterDialog({RC_FILTER_IDS(ids::rc_notch),     "RC notch filter",     343, 213, 287,  233, 192, 169,    93, 244, 182});
    return dialog;
}
// clang-format on

}  // namespace templates
