#include "res/ids/Astable555Ids.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// R1, R2 and C stand left of the schematic; T, F, duty, Th and Tl right of it,
// top to bottom.
const DialogTemplate& Astable555() {
    using namespace ids::astable555;
    // clang-format off
    static const DialogTemplate dialog{
        kDialog, "Astable oscillator, 555 based", 388, 186,
        {
            DefPushButton(kClose, "Close", 331, 165, 50, 14),
            Radio(kModeR1R2AndC, "R1, R2 and C", 13, 19, 68, 10, kGroupStart | kTabStop),
            Radio(kModeCThAndTl, "C, Th and Tl", 13, 30, 68, 10),
            Radio(kModeCFAndDuty, "C,  F and duty%", 13, 41, 68, 10),
            Edit(kEditR1, 47, 72, 42, 14, kGroupStart | kTabStop),
            Edit(kEditR2, 47, 92, 42, 14),
            Edit(kEditC, 47, 112, 42, 14),
            Edit(kEditT, 346, 24, 36, 14),
            Edit(kEditF, 346, 48, 36, 14),
            Edit(kEditDuty, 346, 72, 36, 14),
            Edit(kEditTh, 346, 96, 36, 14),
            Edit(kEditTl, 346, 120, 36, 14),
            PushButton(kHelp, "Help", 277, 165, 50, 14),
            Picture(163, 93, 7, 211, 152),
            GroupBox("What do you know ?", 7, 7, 82, 50),
            Label("R1 (ohm) = ", 7, 75, 37, 8),
            Label("R2 (ohm) = ", 7, 95, 37, 8),
            Label("C (Farad) = ", 7, 115, 37, 8),
            Label("T (s) = ", 308, 27, 37, 8),
            Label("F (Hz) = ", 308, 51, 37, 8),
            Label("Duty (%) = ", 308, 75, 37, 8),
            Label("Th (s) = ", 308, 99, 37, 8),
            Label("Tl (s) = ", 308, 123, 37, 8),
        }};
    // clang-format on
    return dialog;
}

}  // namespace templates
