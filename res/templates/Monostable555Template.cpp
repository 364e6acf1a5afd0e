#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The fields stand left of the schematic.
const DialogTemplate& Monostable555() {
    // clang-format off
    static const DialogTemplate dialog{
        167, "Monostable oscillator, 555 based", 325, 185,
        {
            DefPushButton(1160, "Close", 268, 164, 50, 14),
            Radio(1154, "R1 and C", 13, 19, 60, 10, kGroupStart | kTabStop),
            Radio(1155, "R1 and T", 13, 30, 60, 10),
            Edit(1156, 47, 60, 50, 14, kGroupStart | kTabStop),
            Edit(1157, 47, 80, 50, 14),
            Edit(1158, 47, 110, 50, 14),
            PushButton(1159, "Help", 214, 164, 50, 14),
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
