#include "res/ids/OhmsLawIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// U stands left of the schematic; I, R and P right of it, top to bottom.
const DialogTemplate& OhmsLaw() {
    using namespace ids::ohms_law;
    static const DialogTemplate dialog{
        kDialog,
        "Ohm's Law",
        294,
        177,
        {
            DefPushButton(kClose, "Close", 237, 156, 50, 14),
            Radio(kModeRAndI, "R and I", 13, 19, 60, 10, kGroupStart | kTabStop),
            Radio(kModeRAndU, "R and U", 13, 30, 60, 10),
            Radio(kModeRAndP, "R and P", 13, 41, 60, 10),
            Radio(kModeIAndU, "I and U", 13, 52, 60, 10),
            Radio(kModeIAndP, "I and P", 13, 63, 60, 10),
            Radio(kModeUAndP, "U and P", 13, 74, 60, 10),
            Edit(kEditU, 36, 104, 58, 14, kGroupStart | kTabStop),
            Edit(kEditI, 229, 38, 58, 14),
            Edit(kEditR, 229, 68, 58, 14),
            Edit(kEditP, 229, 98, 58, 14),
            PushButton(kHelp, "Help", 183, 156, 50, 14, kTabStop | kDefaultButton),
            Picture(130, 106, 7, 82, 130),
            GroupBox("What do you know ?", 7, 7, 87, 81),
            Label("U (V) = ", 7, 107, 28, 8),
            Label("I (A) = ", 194, 41, 34, 8),
            Label("R (ohm) = ", 194, 71, 34, 8),
            Label("P (W) = ", 194, 101, 34, 8),
        }};
    return dialog;
}

}  // namespace templates
