#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The caption repeats the inverting amplifier's on purpose.
const DialogTemplate& SchmittTrigger() {
    static const DialogTemplate dialog{
        166,
        "Inverting amplifier",
        340,
        164,
        {
            DefPushButton(1153, "Close", 284, 143, 50, 14),
            Radio(1147, "R1, R2, Upwr", 13, 19, 63, 10, kGroupStart | kTabStop),
            Radio(1148, "R2, Utrig, Upwr", 13, 30, 65, 10),
            Edit(1149, 47, 56, 40, 14, kGroupStart | kTabStop),
            Edit(1150, 47, 71, 40, 14),
            Edit(1151, 47, 105, 40, 14),
            Edit(1154, 47, 120, 40, 14),
            PushButton(1152, "Help", 231, 143, 50, 14),
            Picture(159, 93, 25, 241, 113),
            GroupBox("What do you know ?", 7, 7, 80, 38),
            Label("R1 (ohm) = ", 7, 58, 38, 8),
            Label("R2 (ohm) = ", 7, 73, 38, 8),
            Label("Utrig (V) = ", 7, 107, 38, 8),
            Label("Upwr (V) = ", 7, 122, 38, 8),
        }};
    return dialog;
}

}  // namespace templates
