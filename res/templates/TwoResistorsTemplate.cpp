#include "res/ids/TwoResistorsIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

const DialogTemplate& TwoResistors() {
    using namespace ids::two_resistors;
    static const DialogTemplate dialog{kDialog,
                                       "Two resistors",
                                       322,
                                       223,
                                       {
                                           DefPushButton(kClose, "Close", 265, 202, 50, 14),
                                           Radio(kModeR1AndR2, "R1 and R2", 13, 19, 51, 10, kGroupStart | kTabStop),
                                           Radio(kModeRAndR1, "R and R1", 13, 30, 47, 10),
                                           Edit(kEditR1, 47, 53, 40, 14, kGroupStart | kTabStop),
                                           Edit(kEditR2, 47, 67, 40, 14),
                                           Edit(kEditR, 47, 81, 40, 14),
                                           Edit(kEditI1, 47, 105, 40, 14),
                                           Edit(kEditI2, 47, 119, 40, 14),
                                           Edit(kEditI, 47, 134, 40, 14),
                                           Edit(kEditU1, 47, 156, 40, 14),
                                           Edit(kEditU2, 47, 170, 40, 14),
                                           Edit(kEditU, 47, 185, 40, 14),
                                           Radio(kModeSerial, "Serial", 129, 184, 33, 10, kGroupStart | kTabStop),
                                           Radio(kModeParallel, "Parallel", 243, 184, 39, 10),
                                           PushButton(kHelp, "Help", 213, 202, 50, 14, kGroupStart | kTabStop),
                                           Picture(134, 92, 7, 223, 169),
                                           GroupBox("What do you know ?", 7, 7, 80, 38),
                                           GroupBox("Mode", 91, 177, 224, 21),
                                           Label("R1 (ohm) = ", 7, 55, 38, 8),
                                           Label("R2 (ohm) =", 7, 70, 36, 8),
                                           Label("R   (ohm) =", 7, 84, 36, 8),
                                           Label("I1 (A)       = ", 7, 108, 38, 8),
                                           Label("I2 (A)       =", 7, 122, 36, 8),
                                           Label("I (A)         =", 7, 136, 36, 8),
                                           Label("U1 (V)     = ", 7, 159, 37, 8),
                                           Label("U2 (V)     =", 7, 173, 35, 8),
                                           Label("U (V)       =", 7, 187, 35, 8),
                                       }};
    // clang-format on
    return dialog;
}

}  // namespace templates
