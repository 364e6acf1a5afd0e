#pragma once
// The help viewer as the dialogs see it: show a topic by context id, show the
// contents page, quit. The application installs the real viewer; until then
// requests go nowhere and report failure.

#include <QString>

class QWidget;

namespace platform {

class IHelpViewer {
  public:
    virtual ~IHelpViewer() = default;
    virtual bool ShowTopic(int contextId) = 0;
    virtual bool ShowContents() = 0;
    virtual void Quit() = 0;
};

void SetHelpViewer(IHelpViewer* viewer);
IHelpViewer* HelpViewer();

enum class HelpCommand { Context = 1, Quit = 2, Finder = 11 };

// Sends one request to the help viewer; when it cannot be started, tells the
// user in a message box owned by `owner`.
void WinHelp(QWidget* owner, HelpCommand command, int data = 0);

// The one message the user can meet.
QString HelpStartFailedText();

}  // namespace platform
