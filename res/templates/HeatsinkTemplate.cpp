#include "res/ids/HeatsinkIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// RthHA and RthPH left of the schematic, Ta and RthJP right of it, Tjmax and
// Pmax under it.
const DialogTemplate& Heatsink() {
    using namespace ids::heatsink;
    static const DialogTemplate dialog{
        kDialog,
        "Heatsink",
        372,
        186,
        {
            DefPushButton(kClose, "Close", 315, 164, 50, 14),
            Radio(kModeAllButRthHA, "All but RthHA", 13, 19, 66, 10, kGroupStart | kTabStop),
            Radio(kModeAllButTa, "All but Ta", 13, 30, 66, 10),
            Radio(kModeAllButTjmax, "All but Tjmax", 13, 41, 66, 10),
            Edit(kEditRthHA, 62, 68, 38, 14, kGroupStart | kTabStop),
            Edit(kEditRthPH, 62, 108, 38, 14),
            Edit(kEditTa, 323, 68, 38, 14),
            Edit(kEditRthJP, 323, 108, 38, 14),
            Edit(kEditTjmax, 189, 141, 40, 14),
            Edit(kEditPmax, 189, 160, 40, 14),
            PushButton(kHelp, "Help", 315, 146, 50, 14),
            Picture(145, 106, 7, 161, 127),
            GroupBox("What do you know ?", 7, 7, 80, 48),
            Label("RthHA (°C/W) = ", 7, 71, 55, 8),
            Label("RthPH (°C/W) = ", 7, 111, 55, 8),
            Label("Ta (°C) = ", 270, 71, 53, 8),
            Label("RthJP (°C/W) = ", 270, 111, 53, 8),
            Label("Tjmax (°C) = ", 144, 144, 45, 8),
            Label("Pmax (W) = ", 144, 163, 45, 8),
        }};
    return dialog;
}

}  // namespace templates
