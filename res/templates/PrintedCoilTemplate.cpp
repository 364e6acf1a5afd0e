#include "res/ids/PrintedCoilIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// This font sets the reminder wider than 250 units and the buttons leave no
// room to widen it, so it wraps onto a second line; the second radio caption
// is as wide as the first so that it is not cut.
const DialogTemplate& PrintedCoil() {
    using namespace ids::printed_coil;
    static const DialogTemplate dialog{
        kDialog,
        "PCB printed self",
        319,
        178,
        {
            DefPushButton(kClose, "Close", 262, 157, 50, 14),
            Radio(kModeD1D2N, "D1, D2, N", 17, 23, 57, 10, kGroupStart | kTabStop),
            Radio(kModeLD1D2, "L, D1, D2", 17, 34, 57, 10),
            Edit(kEditD1, 45, 76, 40, 14, kGroupStart | kTabStop),
            Edit(kEditD2, 45, 91, 40, 14),
            Edit(kEditN, 45, 106, 40, 14),
            Edit(kEditL, 45, 135, 40, 14),
            PushButton(kHelp, "Help", 262, 142, 50, 14),
            Picture(138, 105, 7, 192, 133),
            GroupBox("What do you know ?", 7, 7, 82, 43),
            Label("D1 (m) = ", 7, 78, 38, 8),
            Label("D2 (m) = ", 7, 93, 35, 8),
            Label("N        = ", 7, 108, 32, 8),
            Label("L (H)   = ", 7, 137, 32, 8),
            Label("Nota : don't forget that default unit for lengths is meter, so enter 10m for 10mm...", 7,
                  161, 250, 16),
        }};
    return dialog;
}

}  // namespace templates
