#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

const DialogTemplate& Differentiator() {
    static const DialogTemplate dialog{162,
                                       "Differentiator",
                                       255,
                                       162,
                                       {
                                           DefPushButton(1119, "Close", 199, 141, 50, 14),
                                           Radio(1127, "R and C", 13, 19, 51, 10, kGroupStart | kTabStop),
                                           Radio(1128, "R and DeltaT", 13, 30, 67, 10),
                                           Edit(1115, 47, 56, 40, 14, kGroupStart | kTabStop),
                                           Edit(1116, 47, 72, 40, 14),
                                           Edit(1117, 47, 105, 40, 14),
                                           PushButton(1118, "Help", 147, 141, 50, 14),
                                           Picture(155, 94, 24, 154, 113),
                                           GroupBox("What do you know ?", 7, 7, 80, 38),
                                           Label("R (ohm) = ", 7, 58, 38, 8),
                                           Label("C (Farad) = ", 7, 74, 38, 8),
                                           Label("DeltaT (s) = ", 7, 107, 40, 8),
                                       }};
    return dialog;
}

}  // namespace templates
