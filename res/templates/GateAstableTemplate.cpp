#include "res/ids/GateAstableIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The fields stand left of the schematic: the two components, then the
// period and the frequency.
const DialogTemplate& GateAstable() {
    using namespace ids::gate_astable;
    // clang-format off
    static const DialogTemplate dialog{
        kDialog, "Astable oscillator, CMOS gate based", 325, 146,
        {
            DefPushButton(kClose, "Close", 268, 125, 50, 14),
            Radio(kModeRAndC, "R and C", 13, 19, 60, 10, kGroupStart | kTabStop),
            Radio(kModeRAndT, "R and T", 13, 30, 60, 10),
            Edit(kEditR, 47, 52, 56, 14, kGroupStart | kTabStop),
            Edit(kEditC, 47, 70, 56, 14),
            Edit(kEditT, 47, 92, 56, 14),
            Edit(kEditF, 47, 110, 56, 14),
            PushButton(kHelp, "Help", 214, 125, 50, 14),
            Picture(165, 113, 7, 205, 100),
            GroupBox("What do you know ?", 7, 7, 80, 38),
            Label("R (ohm) = ", 7, 55, 37, 8),
            Label("C (Farad) = ", 7, 73, 37, 8),
            Label("T (s) = ", 7, 95, 37, 8),
            Label("F (Hz) = ", 7, 113, 37, 8),
        }};
    // clang-format on
    return dialog;
}

}  // namespace templates
