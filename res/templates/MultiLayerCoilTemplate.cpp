#include "res/ids/MultiLayerCoilIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

const DialogTemplate& MultiLayerCoil() {
    using namespace ids::multi_layer_coil;
    static const DialogTemplate dialog{
        kDialog,
        "Cylindar self, multicoated",
        338,
        207,
        {
            DefPushButton(kClose, "Close", 281, 186, 50, 14),
            Radio(kModePDEN, "P, D, E, N", 17, 23, 52, 10, kGroupStart | kTabStop),
            Radio(kModeLPDE, "L, P, D, E", 17, 34, 54, 10),
            Edit(kEditD, 37, 76, 40, 14, kGroupStart | kTabStop),
            Edit(kEditP, 37, 91, 40, 14),
            Edit(kEditE, 37, 106, 40, 14),
            Edit(kEditN, 37, 120, 40, 14),
            Edit(kEditL, 37, 145, 40, 14),
            PushButton(kHelp, "Help", 281, 170, 50, 14),
            Picture(137, 99, 7, 175, 182),
            GroupBox("What do you know ?", 7, 7, 82, 43),
            Label("D (m) = ", 7, 78, 26, 8),
            Label("P (m) = ", 7, 93, 25, 8),
            Label("N      = ", 7, 123, 24, 8),
            Label("L (H) = ", 7, 147, 24, 8),
            Label("Nota : don't forget that default unit for lengths is meter, so enter 10m for 10mm...", 7,
                  192, 266, 8),
            Label("E (m) = ", 7, 108, 24, 8),
        }};
    return dialog;
}

}  // namespace templates
