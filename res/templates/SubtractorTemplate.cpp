#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The caption repeats the summator's on purpose.
const DialogTemplate& Subtractor() {
    static const DialogTemplate dialog{
        165,
        "Summator",
        276,
        183,
        {
            DefPushButton(1146, "Close", 220, 162, 50, 14),
            Radio(1138, "R1, R2 and R3", 13, 19, 66, 10, kGroupStart | kTabStop),
            Radio(1139, "G1, G2 and R2", 13, 30, 67, 10),
            Edit(1140, 47, 56, 40, 14, kGroupStart | kTabStop),
            Edit(1141, 47, 70, 40, 14),
            Edit(1142, 47, 84, 40, 14),
            Edit(1143, 47, 105, 40, 14),
            Edit(1144, 47, 119, 40, 14),
            PushButton(1145, "Help", 167, 162, 50, 14),
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
