#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

const DialogTemplate& InvertingAmp() {
    static const DialogTemplate dialog{160,
                                       "Inverting amplifier",
                                       256,
                                       157,
                                       {
                                           DefPushButton(1106, "Close", 200, 136, 50, 14),
                                           Radio(1101, "R1 and R2", 13, 19, 51, 10, kGroupStart | kTabStop),
                                           Radio(1102, "R1 and G", 13, 30, 47, 10),
                                           Edit(1103, 47, 56, 40, 14, kGroupStart | kTabStop),
                                           Edit(1104, 47, 72, 40, 14),
                                           Edit(1105, 47, 105, 40, 14),
                                           PushButton(1107, "Help", 147, 136, 50, 14),
                                           Picture(153, 94, 24, 154, 108),
                                           GroupBox("What do you know ?", 7, 7, 80, 38),
                                           Label("R1 (ohm) = ", 7, 58, 38, 8),
                                           Label("R2 (ohm) = ", 7, 74, 38, 8),
                                           Label("G (gain) = ", 7, 107, 38, 8),
                                       }};
    return dialog;
}

}  // namespace templates
