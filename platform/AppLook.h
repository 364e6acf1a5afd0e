#pragma once
// The one look of every window: Fusion style and the dialog font stand-in.
// Called once at start-up by the program, the tests and the tools alike.

class QApplication;

namespace platform {

void InitApplicationLook(QApplication& app);

}  // namespace platform
