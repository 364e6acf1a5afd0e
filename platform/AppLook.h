#pragma once
// The one look of every window: Fusion style and the dialog font stand-in.
// Called once at start-up by the program, the tests and the tools alike.

class QApplication;
class QString;

namespace platform {

void InitApplicationLook(QApplication& app);

// The program's name for the titles of the help window and the message box;
// the application name until set.
void SetProgramName(const QString& name);
QString ProgramName();

}  // namespace platform
