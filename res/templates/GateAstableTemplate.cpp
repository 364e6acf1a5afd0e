#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The fields stand left of the schematic: the two components, then the
// period and the frequency.
const DialogTemplate& GateAstable() {
    // clang-format off
    static const DialogTemplate dialog{
        168, "Astable oscillator, CMOS gate based", 325, 146,
        {
            DefPushButton(1168, "Close", 268, 125, 50, 14),
            Radio(1161, "R and C", 13, 19, 60, 10, kGroupStart | kTabStop),
            Radio(1162, "R and T", 13, 30, 60, 10),
            Edit(1163, 47, 52, 56, 14, kGroupStart | kTabStop),
            Edit(1164, 47, 70, 56, 14),
            Edit(1165, 47, 92, 56, 14),
            Edit(1166, 47, 110, 56, 14),
            PushButton(1167, "Help", 214, 125, 50, 14),
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
