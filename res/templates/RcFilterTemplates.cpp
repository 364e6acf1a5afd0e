#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

namespace {

// The three RC filter dialogs share one layout; they differ in ids, size,
// the place of the two buttons and the schematic.
struct RcFilterLayout {
    int id;
    const char* caption;
    int cx, cy;
    int firstId;  // radio "R and C"; the other controls follow in order
    int closeX, helpX, buttonsY;
    int pictureId, pictureX, pictureCx, pictureCy;
};

DialogTemplate RcFilterDialog(const RcFilterLayout& l) {
    const int id = l.firstId;
    // clang-format off
    return DialogTemplate{
        l.id, l.caption, l.cx, l.cy,
        {
            DefPushButton(id + 6, "Close", l.closeX, l.buttonsY, 50, 14),
            Radio(id, "R and C", 13, 19, 51, 10, kGroupStart | kTabStop),
            Radio(id + 1, "C and Fc", 13, 30, 67, 10),
            Edit(id + 2, 47, 56, 40, 14, kGroupStart | kTabStop),  // R
            Edit(id + 3, 47, 72, 40, 14),                          // C
            Edit(id + 4, 47, 105, 40, 14),                         // Fc
            PushButton(id + 5, "Help", l.helpX, l.buttonsY, 50, 14),
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
//                                                       id   caption                cx   cy   radio  Close Help y    picture x   cx   cy
const DialogTemplate& RcLowPass() {
    static const DialogTemplate dialog = RcFilterDialog({170, "RC low pass filter",  313, 145, 1176,  257,  204, 124, 170,    94, 213, 113});
    return dialog;
}

const DialogTemplate& RcHighPass() {
    static const DialogTemplate dialog = RcFilterDialog({171, "RC high pass filter", 313, 150, 1183,  257,  204, 129, 168,    94, 213, 119});
    return dialog;
}

const DialogTemplate& RcNotch() {
    static const DialogTemplate dialog = RcFilterDialog({172, "RC notch filter",     343, 213, 1190,  287,  233, 192, 169,    93, 244, 182});
    return dialog;
}
// clang-format on

}  // namespace templates
