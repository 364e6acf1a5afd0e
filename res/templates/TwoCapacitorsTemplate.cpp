#include "res/ids/TwoCapacitorsIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

const DialogTemplate& TwoCapacitors() {
    using namespace ids::two_capacitors;
    static const DialogTemplate dialog{
        kDialog,
        "Two capacitors",
        316,
        223,
        {
            DefPushButton(kClose, "Close", 259, 202, 50, 14),
            Radio(kModeC1AndC2, "C1 and C2", 13, 19, 51, 10, kGroupStart | kTabStop),
            Radio(kModeCAndC1, "C and C1", 13, 30, 47, 10),
            Edit(kEditC1, 38, 53, 40, 14, kGroupStart | kTabStop),
            Edit(kEditC2, 38, 67, 40, 14),
            Edit(kEditC, 38, 81, 40, 14),
            Edit(kEditU1, 38, 102, 40, 14),
            Edit(kEditU2, 38, 116, 40, 14),
            Edit(kEditU, 38, 131, 40, 14),
            Radio(kModeSerial, "Serial", 129, 184, 33, 10, kGroupStart | kTabStop),
            Radio(kModeParallel, "Parallel", 243, 184, 39, 10),
            PushButton(kHelp, "Help", 208, 202, 50, 14, kGroupStart | kTabStop),
            Picture(135, 85, 7, 223, 172),
            GroupBox("What do you know ?", 7, 7, 76, 38),
            GroupBox("Mode", 85, 177, 224, 21),
            Label("C1 (F) = ", 7, 55, 29, 8),
            Label("C2 (F) =", 7, 70, 29, 8),
            Label("C   (F) =", 7, 84, 28, 8),
            Label("U1 (V)  = ", 7, 105, 31, 8),
            Label("U2 (V)  =", 7, 119, 30, 8),
            Label("U (V)    =", 7, 133, 30, 8),
        }};
    // clang-format on
    return dialog;
}

}  // namespace templates
