#include "res/ids/SchmittTriggerIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The caption repeats the inverting amplifier's on purpose.
const DialogTemplate& SchmittTrigger() {
    using namespace ids::schmitt_trigger;
    static const DialogTemplate dialog{
        kDialog,
        "Inverting amplifier",
        340,
        164,
        {
            DefPushButton(kClose, "Close", 284, 143, 50, 14),
            Radio(kModeR1R2Upwr, "R1, R2, Upwr", 13, 19, 63, 10, kGroupStart | kTabStop),
            Radio(kModeR2UtrigUpwr, "R2, Utrig, Upwr", 13, 30, 65, 10),
            Edit(kEditR1, 47, 56, 40, 14, kGroupStart | kTabStop),
            Edit(kEditR2, 47, 71, 40, 14),
            Edit(kEditUtrig, 47, 105, 40, 14),
            Edit(kEditUpwr, 47, 120, 40, 14),
            PushButton(kHelp, "Help", 231, 143, 50, 14),
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
