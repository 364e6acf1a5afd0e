#include "res/ids/Monostable555Ids.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The fields stand left of the schematic.
const DialogTemplate& Monostable555() {
    using namespace ids::monostable555;
    // clang-format off
    static const DialogTemplate dialog{
        kDialog, "Monostable oscillator, 555 based", 325, 185,
        {
            DefPushButton(kClose, "Close", 268, 164, 50, 14),
            Radio(kModeR1AndC, "R1 and C", 13, 19, 60, 10, kGroupStart | kTabStop),
            Radio(kModeR1AndT, "R1 and T", 13, 30, 60, 10),
            Edit(kEditR1, 47, 60, 50, 14, kGroupStart | kTabStop),
            Edit(kEditC, 47, 80, 50, 14),
            Edit(kEditT, 47, 110, 50, 14),
            PushButton(kHelp, "Help", 214, 164, 50, 14),
            Picture(164, 107, 7, 211, 152),
            GroupBox("What do you know ?", 7, 7, 80, 38),
            Label("R1 (ohm) = ", 7, 63, 37, 8),
            Label("C (Farad) = ", 7, 83, 37, 8),
            Label("T (s) = ", 7, 113, 37, 8),
        }};
    // clang-format on
    return dialog;
}

}  // namespace templates
