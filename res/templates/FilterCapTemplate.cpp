#include "res/ids/FilterCapIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

const DialogTemplate& FilterCap() {
    using namespace ids::filter_cap;
    // clang-format off
    static const DialogTemplate dialog{
        kDialog, "Filtering capacitor", 373, 196,
        {
            DefPushButton(kClose, "Close", 316, 175, 50, 14),
            Radio(kModeIDeltaU, "I, DeltaU", 14, 19, 57, 10, kGroupStart | kTabStop),
            Radio(kModeCI, "C, I", 14, 29, 39, 10),
            Radio(kModeCDeltaU, "C, DeltaU", 14, 39, 59, 10),
            Radio(kModeMonoAlternance, "Mono-alternance", 13, 110, 69, 10, kGroupStart | kTabStop),
            Radio(kModeBiAlternance, "Bi-alternance", 13, 120, 57, 10),
            Edit(kEditI, 325, 44, 41, 15, kGroupStart | kTabStop),
            Edit(kEditDeltaU, 325, 72, 41, 15),
            Edit(kEditC, 325, 99, 41, 15),
            PushButton(kHelp, "Help", 316, 158, 50, 14),
            Picture(144, 90, 7, 191, 182),
            GroupBox("What do you know ?", 7, 7, 78, 45),
            GroupBox("Rectifier", 7, 97, 78, 35),
            Label("DeltaU (V) =", 283, 75, 40, 8),
            Label("I (A) =", 303, 47, 20, 8),
            Label("C (F) =", 301, 102, 22, 8),
        }};
    // clang-format on
    return dialog;
}

}  // namespace templates
