#include "res/ids/IntegratorIds.h"
#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

const DialogTemplate& Integrator() {
    using namespace ids::integrator;
    static const DialogTemplate dialog{
        kDialog,
        "Integrator",
        266,
        161,
        {
            DefPushButton(kClose, "Close", 210, 140, 50, 14),
            Radio(kModeRAndC, "R and C", 13, 19, 51, 10, kGroupStart | kTabStop),
            Radio(kModeRAndDeltaT, "R and DeltaT", 13, 30, 67, 10),
            Edit(kEditR, 47, 56, 40, 14, kGroupStart | kTabStop),
            Edit(kEditC, 47, 72, 40, 14),
            Edit(kEditDeltaT, 47, 105, 40, 14),
            PushButton(kHelp, "Help", 157, 140, 50, 14),
            Picture(156, 94, 24, 165, 113),
            GroupBox("What do you know ?", 7, 7, 80, 38),
            Label("R (ohm) = ", 7, 58, 38, 8),
            Label("C (Farad) = ", 7, 74, 38, 8),
            Label("DeltaT (s) = ", 7, 107, 40, 8),
        }};
    return dialog;
}

}  // namespace templates
