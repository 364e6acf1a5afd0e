#include "res/ids/SubtractorIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The caption repeats the summator's on purpose.
const DialogTemplate& Subtractor() {
    using namespace ids::subtractor;
    static const DialogTemplate dialog{
        kDialog,
        "Summator",
        276,
        183,
        {
            DefPushButton(kClose, "Close", 220, 162, 50, 14),
            Radio(kModeR1R2AndR3, "R1, R2 and R3", 13, 19, 66, 10, kGroupStart | kTabStop),
            Radio(kModeG1G2AndR2, "G1, G2 and R2", 13, 30, 67, 10),
            Edit(kEditR1, 47, 56, 40, 14, kGroupStart | kTabStop),
            Edit(kEditR2, 47, 70, 40, 14),
            Edit(kEditR3, 47, 84, 40, 14),
            Edit(kEditG1, 47, 105, 40, 14),
            Edit(kEditG2, 47, 119, 40, 14),
            PushButton(kHelp, "Help", 167, 162, 50, 14),
            GroupBox("What do you know ?", 7, 7, 80, 38),
            Label("R1 (ohm) = ", 7, 58, 38, 8),
            Label("R2 (ohm) = ", 7, 72, 38, 8),
            Label("R3 (ohm) = ", 7, 86, 38, 8),
            Label("G1 (gain) = ", 7, 107, 40, 8),
            Label("G2 (gain) = ", 7, 121, 40, 8),
            Picture(158, 95, 7, 175, 152),
        }};
    return dialog;
}

}  // namespace templates
