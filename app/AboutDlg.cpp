#include "app/AboutDlg.h"

#include "platform/HelpService.h"
#include "res/templates/Templates.h"

using namespace platform;

CAboutDlg::CAboutDlg() : CDialog(templates::AboutBox()) {
    setObjectName(QStringLiteral("CAboutDlg"));
    // A caption but no system menu: no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void CAboutDlg::OnCopyrightNotice() {
    WinHelp(this, HelpCommand::Context, kCopyrightTopic);
}

const CommandTable* CAboutDlg::GetCommandTable() const {
    static const CommandEntry entries[] = {
        {Notification::Clicked, IDCANCEL, &Handler<&CAboutDlg::OnCopyrightNotice>},
    };
    static const CommandTable table{nullptr, entries};
    return &table;
}
