#include "res/ids/NonInvertingAmpIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

const DialogTemplate& NonInvertingAmp() {
    using namespace ids::non_inverting_amp;
    static const DialogTemplate dialog{
        kDialog,
        "Non inverting amplifier",
        295,
        148,
        {
            DefPushButton(kClose, "Close", 239, 127, 50, 14),
            Radio(kModeR1AndR2, "R1 and R2", 13, 19, 51, 10, kGroupStart | kTabStop),
            Radio(kModeR1AndG, "R1 and G", 13, 30, 47, 10),
            Edit(kEditR1, 47, 56, 40, 14, kGroupStart | kTabStop),
            Edit(kEditR2, 47, 72, 40, 14),
            Edit(kEditG, 47, 105, 40, 14),
            PushButton(kHelp, "Help", 185, 127, 50, 14),
            Picture(154, 94, 24, 191, 108),
            GroupBox("What do you know ?", 7, 7, 80, 38),
            Label("R1 (ohm) = ", 7, 58, 38, 8),
            Label("R2 (ohm) = ", 7, 74, 38, 8),
            Label("G (gain) = ", 7, 107, 38, 8),
        }};
    return dialog;
}

}  // namespace templates
