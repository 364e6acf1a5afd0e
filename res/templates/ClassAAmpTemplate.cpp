#include "res/ids/ClassAAmpIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// Inputs and check boxes left of the schematic, the status under it, both
// result lists right of it, wide enough for their longest lines; the
// component list shows all its lines, the operating list scrolls.
// clang-format off
const DialogTemplate& ClassAAmp() {
    using namespace ids::class_a_amp;
    static const DialogTemplate dialog{
        kDialog, "Class A amplifier", 407, 239,
        {
            DefPushButton(kClose, "Close", 6, 218, 45, 14),
            Edit(kEditVcc, 61, 7, 40, 14),
            Edit(kEditBeta, 61, 24, 40, 14),
            Edit(kEditVin, 61, 41, 40, 14),
            Edit(kEditVout, 61, 58, 40, 14),
            Edit(kEditFmin, 61, 75, 40, 14),
            Edit(kEditRc, 61, 92, 40, 14),
            Edit(kEditRl, 61, 109, 40, 14),
            CheckBox(kCheckMaxGain, "Maximum gain", 6, 130, 64, 10),
            CheckBox(kCheckWithLoad, "With load", 6, 144, 50, 10),
            Edit(kStatus, 138, 218, 172, 14),
            ListBox(kListComponents, 314, 16, 87, 108),
            ListBox(kListOperating, 314, 138, 87, 94),
            PushButton(kHelp, "Help", 56, 218, 45, 14),
            Picture(147, 104, 7, 206, 207),
            Label("Vcc (V) =", 6, 10, 54, 8),
            Label("B (T1 beta) =", 6, 27, 54, 8),
            Label("Vin (V) =", 6, 44, 54, 8),
            Label("Vout (V) =", 6, 61, 54, 8),
            Label("Freq min (Hz) =", 6, 78, 54, 8),
            Label("Rc (ohm) =", 6, 95, 54, 8),
            Label("Rl (ohm) =", 6, 112, 54, 8),
            Label("Status =", 104, 221, 32, 8),
            Label("Components values :", 314, 7, 87, 8),
            Label("Operating parameters :", 314, 129, 87, 8),
        }};
    return dialog;
}
// clang-format on

}  // namespace templates
