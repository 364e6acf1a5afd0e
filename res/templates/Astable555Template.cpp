#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// R1, R2 and C stand left of the schematic; T, F, duty, Th and Tl right of it,
// top to bottom.
const DialogTemplate& Astable555() {
    // clang-format off
    static const DialogTemplate dialog{
        169, "Astable oscillator, 555 based", 388, 186,
        {
            DefPushButton(1175, "Close", 331, 165, 50, 14),
            Radio(1169, "R1, R2 and C", 13, 19, 68, 10, kGroupStart | kTabStop),
            Radio(1170, "C, Th and Tl", 13, 30, 68, 10),
            Radio(1181, "C,  F and duty%", 13, 41, 68, 10),
            Edit(1171, 47, 72, 42, 14, kGroupStart | kTabStop),
            Edit(1176, 47, 92, 42, 14),
            Edit(1172, 47, 112, 42, 14),
            Edit(1178, 346, 24, 36, 14),
            Edit(1179, 346, 48, 36, 14),
            Edit(1180, 346, 72, 36, 14),
            Edit(1173, 346, 96, 36, 14),
            Edit(1177, 346, 120, 36, 14),
            PushButton(1174, "Help", 277, 165, 50, 14),
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
