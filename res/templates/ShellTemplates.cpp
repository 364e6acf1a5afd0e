#include "res/templates/Templates.h"

namespace templates {

using namespace platform;

// The main window: a caption and a menu bar, no client area.
const DialogTemplate& MainWindow() {
    static const DialogTemplate dialog{102, "Voltaris", 335, 0, {}};
    return dialog;
}

const DialogTemplate& AboutBox() {
    static const DialogTemplate dialog{
        100,
        "About Voltaris",
        288,
        151,
        {
            DefPushButton(1, "Ok", 231, 130, 50, 14),
            PushButton(2, "Copyright notice", 163, 130, 64, 14),
            Picture(151, 44, 6, 200, 40),
            Label("The freeware interactive electronic cookbook !", 7, 54, 274, 9, kCentered),
            Label("All classic electronic calculations under your fingerprint", 7, 68, 274, 9, kCentered),
            Label("in an interactive and easy to use form", 7, 82, 274, 9, kCentered),
            Label("with the corresponding schematic under your eyes !", 7, 96, 274, 9, kCentered),
            Label("V1.1  Freeware, see the copyright notice", 7, 133, 150, 9),
        }};
    return dialog;
}

}  // namespace templates
