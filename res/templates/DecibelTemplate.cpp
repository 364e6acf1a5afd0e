#include "res/ids/DecibelIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// Pi and Ui stand left of the schematic, Po and Uo right of it; the gain
// and the dBm reminder below it.
const DialogTemplate& Decibel() {
    using namespace ids::decibel;
    // clang-format off
    static const DialogTemplate dialog{
        kDialog, "Decibel", 325, 207,
        {
            DefPushButton(kClose, "Close", 268, 186, 50, 14),
            Radio(kModeInputAndGain, "Input and gain", 13, 19, 98, 10, kGroupStart | kTabStop),
            Radio(kModeOutputAndGain, "Output and gain", 13, 30, 98, 10),
            Radio(kModeInputAndOutputLevel, "Input and output level", 13, 41, 98, 10),
            Radio(kModeInputAndOutputPower, "Input and output power", 13, 52, 98, 10),
            Edit(kEditPi, 40, 86, 50, 14, kGroupStart | kTabStop),
            Edit(kEditUi, 40, 126, 50, 14),
            Edit(kEditPo, 268, 86, 50, 14),
            Edit(kEditUo, 268, 126, 50, 14),
            Edit(kEditGain, 157, 175, 50, 14),
            PushButton(kHelp, "Help", 214, 186, 50, 14),
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
