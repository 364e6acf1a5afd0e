#include "res/ids/ZenerIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The radio captions are wide, so the schematic sits under the group box:
// Umax and Umin left of it, R, Icmax and Rcmin right of it, Uz and Pzmax
// under it.
const DialogTemplate& Zener() {
    using namespace ids::zener;
    static const DialogTemplate dialog{
        kDialog,
        "Zener diode",
        345,
        223,
        {
            DefPushButton(kClose, "Close", 288, 202, 50, 14),
            Radio(kModeUminMaxUzPzmax, "Umin/max, Uz, Pzmax", 13, 19, 92, 10, kGroupStart | kTabStop),
            Radio(kModeUminMaxUzIcmax, "Umin/max, Uz, Icmax", 13, 30, 92, 10),
            Radio(kModeRUzIcmaxPmax, "R, Uz, Icmax, Pmax", 13, 41, 92, 10),
            Edit(kEditUmax, 47, 85, 36, 14, kGroupStart | kTabStop),
            Edit(kEditUmin, 47, 125, 36, 14),
            Edit(kEditR, 302, 75, 36, 14),
            Edit(kEditIcmax, 302, 105, 36, 14),
            Edit(kEditRcmin, 302, 135, 36, 14),
            Edit(kEditUz, 119, 193, 36, 14),
            Edit(kEditPzmax, 209, 193, 38, 14),
            PushButton(kHelp, "Help", 288, 184, 50, 14),
            Picture(146, 87, 60, 161, 128),
            GroupBox("What do you know ?", 7, 7, 105, 48),
            Label("Umax (V) =", 7, 88, 38, 8),
            Label("Umin (V) =", 7, 128, 38, 8),
            Label("R (ohm) =", 251, 78, 49, 8),
            Label("Icmax (A) =", 251, 108, 49, 8),
            Label("Rcmin (ohm) =", 251, 138, 49, 8),
            Label("Uz (V) =", 89, 196, 29, 8),
            Label("Pzmax (W) =", 163, 196, 44, 8),
        }};
    return dialog;
}

}  // namespace templates
