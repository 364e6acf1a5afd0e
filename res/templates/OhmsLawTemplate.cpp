#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// U stands left of the schematic; I, R and P right of it, top to bottom.
const DialogTemplate& OhmsLaw() {
    static const DialogTemplate dialog{
        129,
        "Ohm's Law",
        294,
        177,
        {
            DefPushButton(1013, "Close", 237, 156, 50, 14),
            Radio(1005, "R and I", 13, 19, 60, 10, kGroupStart | kTabStop),
            Radio(1007, "R and U", 13, 30, 60, 10),
            Radio(1008, "R and P", 13, 41, 60, 10),
            Radio(1009, "I and U", 13, 52, 60, 10),
            Radio(1010, "I and P", 13, 63, 60, 10),
            Radio(1011, "U and P", 13, 74, 60, 10),
            Edit(1002, 36, 104, 58, 14, kGroupStart | kTabStop),
            Edit(1000, 229, 38, 58, 14),
            Edit(1001, 229, 68, 58, 14),
            Edit(1006, 229, 98, 58, 14),
            PushButton(1012, "Help", 183, 156, 50, 14, kTabStop | kDefaultButton),
            Picture(130, 106, 7, 82, 130),
            GroupBox("What do you know ?", 7, 7, 87, 81),
            Label("U (V) = ", 7, 107, 28, 8),
            Label("I (A) = ", 194, 41, 34, 8),
            Label("R (ohm) = ", 194, 71, 34, 8),
            Label("P (W) = ", 194, 101, 34, 8),
        }};
    return dialog;
}

}  // namespace templates
