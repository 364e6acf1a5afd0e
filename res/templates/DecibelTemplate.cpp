#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// Pi and Ui stand left of the schematic, Po and Uo right of it; the gain
// and the dBm reminder below it.
const DialogTemplate& Decibel() {
    // clang-format off
    static const DialogTemplate dialog{
        133, "Decibel", 325, 207,
        {
            DefPushButton(1011, "Close", 268, 186, 50, 14),
            Radio(1009, "Input and gain", 13, 19, 98, 10, kGroupStart | kTabStop),
            Radio(1006, "Output and gain", 13, 30, 98, 10),
            Radio(1007, "Input and output level", 13, 41, 98, 10),
            Radio(1008, "Input and output power", 13, 52, 98, 10),
            Edit(1000, 40, 86, 50, 14, kGroupStart | kTabStop),
            Edit(1001, 40, 126, 50, 14),
            Edit(1003, 268, 86, 50, 14),
            Edit(1002, 268, 126, 50, 14),
            Edit(1004, 157, 175, 50, 14),
            PushButton(1010, "Help", 214, 186, 50, 14),
            Picture(132, 96, 68, 133, 89),
            GroupBox("What do you know ?", 7, 7, 110, 58),
            Label("Pi (W) =", 7, 89, 32, 8),
            Label("Ui (V) =", 7, 129, 32, 8),
            Label("Po (W) =", 235, 89, 32, 8),
            Label("Uo (V) =", 235, 129, 32, 8),
            Label("Gain (dB) =", 115, 178, 42, 8),
            Label("Nota : for dBm conversions, enter Pi=1m", 86, 160, 153, 8, kCentered),
        }};
    // clang-format on
    return dialog;
}

}  // namespace templates
