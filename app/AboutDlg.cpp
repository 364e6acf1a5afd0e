#include "app/AboutDlg.h"

#include <QGuiApplication>
#include <QScreen>

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
    CenterOnScreen();
    return CDialog::OnInitDialog();
}

// Qt would centre the box over its owner, and at start-up the owner is the
// menu window not yet shown, in the top left corner: the box goes to the
// middle of the screen instead, where it greets the user.
void CAboutDlg::CenterOnScreen() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
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
