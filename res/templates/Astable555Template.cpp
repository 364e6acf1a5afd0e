#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// R1, R2 and C stand left of the schematic; T, F, duty, Th and Tl right of it,
// top to bottom.
const DialogTemplate& Astable555() {
    static const DialogTemplate dialog{
        169,
        "Astable oscillator, 555 based",
        388,
        186,
        {
            DefPushButton(1175, "Close", 331, 165, 50, 14),
            Radio(1169, "R1, R2 and C", 13, 19, 68, 10, kGroupStart | kTabStop),
            Radio(1170, "C, Th and Tl", 13, 30, 68, 10),
            Radio(1181, "C,  F and duty%", 13, 41, 68, 10),
            Edit(1171, 45, 72, 44, 14, kGroupStart | kTabStop),
            Edit(1176, 45, 92, 44, 14),
            Edit(1172, 45, 112, 44, 14),
            Edit(1178, 344, 24, 38, 14),
            Edit(1179, 344, 48, 38, 14),
            Edit(1180, 344, 72, 38, 14),
            Edit(1173, 344, 96, 38, 14),
            Edit(1177, 344, 120, 38, 14),
            PushButton(1174, "Help", 277, 165, 50, 14),
            Picture(163, 95, 7, 211, 152),
            GroupBox("What do you know ?", 7, 7, 82, 50),
            Label("R1 (ohm) = ", 7, 75, 37, 8),
            Label("R2 (ohm) = ", 7, 95, 37, 8),
            Label("C (Farad) = ", 7, 115, 37, 8),
            Label("T (s) = ", 310, 27, 33, 8),
            Label("F (Hz) = ", 310, 51, 33, 8),
            Label("Duty (%) = ", 310, 75, 33, 8),
            Label("Th (s) = ", 310, 99, 33, 8),
            Label("Tl (s) = ", 310, 123, 33, 8),
        }};
    return dialog;
}

}  // namespace templates
