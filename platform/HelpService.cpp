#include "platform/HelpService.h"

#include "platform/MessageBox.h"

namespace platform {

namespace {
IHelpViewer* gViewer = nullptr;
}

void SetHelpViewer(IHelpViewer* viewer) {
    gViewer = viewer;
}
IHelpViewer* HelpViewer() {
    return gViewer;
}

QString HelpStartFailedText() {
    return QString::fromUtf8("Le d\u00e9marrage de l'aide a \u00e9chou\u00e9.");
}

void WinHelp(QWidget* owner, HelpCommand command, int data) {
    if (command == HelpCommand::Quit) {  // nothing to start: a viewer that is not there is closed
        if (gViewer)
            gViewer->Quit();
        return;
    }
    bool started = false;
    if (gViewer) {
        switch (command) {
            case HelpCommand::Context:
                started = gViewer->ShowTopic(data);
                break;
            case HelpCommand::Finder:
                started = gViewer->ShowContents();
                break;
            case HelpCommand::Quit:
                gViewer->Quit();
                return;
        }
    }
    if (!started)
        MessageBox(owner, HelpStartFailedText());
}

}  // namespace platform
