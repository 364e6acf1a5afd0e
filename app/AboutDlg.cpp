#include "app/AboutDlg.h"

#include "platform/HelpService.h"
#include "platform/PictureWidget.h"
#include "res/templates/Templates.h"

using namespace platform;

CAboutDlg::CAboutDlg() : CDialog(templates::AboutBox()) {
    setObjectName(QStringLiteral("CAboutDlg"));
    // A caption but no system menu: no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

bool CAboutDlg::OnInitDialog() {
    // The banner is the program's logo, not a schematic.
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (dynamic_cast<PictureWidget*>(widget)) {
            widget->setAccessibleName(QStringLiteral("Logo"));
            widget->setAccessibleDescription(QStringLiteral("Voltaris logo"));
        }
    }
    return CDialog::OnInitDialog();
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
