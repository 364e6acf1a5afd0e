#include "res/ids/SingleLayerCoilIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

const DialogTemplate& SingleLayerCoil() {
    using namespace ids::single_layer_coil;
    static const DialogTemplate dialog{
        kDialog,
        "Cylindar self, monocoated",
        335,
        202,
        {
            DefPushButton(kClose, "Close", 278, 181, 50, 14),
            Radio(kModePDN, "P, D, N", 17, 23, 39, 10, kGroupStart | kTabStop),
            Radio(kModeLPD, "L, P, D", 17, 34, 38, 10),
            Edit(kEditD, 37, 76, 40, 14, kGroupStart | kTabStop),
            Edit(kEditP, 37, 91, 40, 14),
            Edit(kEditN, 37, 106, 40, 14),
            Edit(kEditL, 37, 145, 40, 14),
            PushButton(kHelp, "Help", 278, 166, 50, 14),
            Picture(136, 100, 22, 175, 157),
            GroupBox("What do you know ?", 7, 7, 82, 43),
            Label("D (m) = ", 7, 78, 26, 8),
            Label("P (m) = ", 7, 93, 25, 8),
            Label("N      = ", 7, 108, 24, 8),
            Label("L (H) = ", 7, 147, 24, 8),
            Label("Nota : don't forget that default unit for lengths is meter, so enter 10m for 10mm...", 7,
                  187, 266, 8),
        }};
    return dialog;
}

}  // namespace templates
