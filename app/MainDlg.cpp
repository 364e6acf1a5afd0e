#include "app/MainDlg.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/AboutDlg.h"
#include "app/FormTable.h"
#include "forms/CalcFormDlg.h"
#include "platform/HelpService.h"
#include "res/menus/MainMenu.h"
#include "res/templates/Templates.h"

using namespace platform;

CMainDlg::CMainDlg() : CDialog(templates::MainWindow()), icon_(QStringLiteral(":/pictures/icon128.svg")) {
    setObjectName(QStringLiteral("CMainDlg"));
    // Without the customize hint Qt would add a maximise button to a window
    // of fixed size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

CMainDlg::~CMainDlg() {
    WinHelp(this, HelpCommand::Quit);
}

bool CMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    BuildMenuBar();
    BuildSystemMenu();
    setWindowIcon(icon_);
    CAboutDlg about;
    about.DoModal(this);
    return true;
}

void CMainDlg::BuildMenuBar() {
    menuBar_ = new QMenuBar(this);
    for (const menus::Menu& menu : menus::MainMenu()) {
        QMenu* popup = menuBar_->addMenu(QString::fromUtf8(menu.title));
        for (const menus::MenuItem& item : menu.items) {
            if (item.text == nullptr) {
                popup->addSeparator();
                continue;
            }
            QAction* action = popup->addAction(QString::fromUtf8(item.text));
            action->setData(item.commandId);
            connect(action, &QAction::triggered, this,
                    [this, id = item.commandId] { OnCommand(Notification::Clicked, id); });
        }
    }
    // Zero client height: the window is its caption and its menu bar.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    setFixedSize(Units().X(Template().cx), menuBar_->sizeHint().height());
    menuBar_->installEventFilter(this);
}

// Once a menu opened from the keyboard is closed, the menu bar keeps the
// focus (the window has no control to hand it back to) and would take every
// later Esc as "leave the menu bar". With no menu title highlighted, Esc is
// the window's cancel command, as anywhere else.
bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuBar_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier &&
            menuBar_->activeAction() == nullptr) {
            reject();
            return true;
        }
    }
    return CDialog::eventFilter(watched, event);
}

void CMainDlg::BuildSystemMenu() {
    systemMenu_ = new QMenu(this);
    systemMenu_->addSeparator();
    QAction* about = systemMenu_->addAction(QStringLiteral("&A propos de voltaris..."));
    about->setData(kAboutSysCommand);
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(kAboutSysCommand); });
    // Alt+Space usually belongs to the window manager; Shift+F10 and the Menu
    // key (a context menu request, below) open the same menu.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this,
                [this] { systemMenu_->popup(mapToGlobal(QPoint(0, 0))); });
    }
}

// A right click opens the menu where it was made; the keyboard opens it where
// the window manager's menu would be, under the window's top left corner.
void CMainDlg::contextMenuEvent(QContextMenuEvent* event) {
    systemMenu_->popup(event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(0, 0))
                                                                      : event->globalPos());
}

void CMainDlg::OnSysCommand(int id) {
    if ((id & 0xFFF0) == kAboutSysCommand)
        OnAbout();
}

void CMainDlg::OnQuit() {
    EndDialog(IDOK);
}

void CMainDlg::OnHelpContents() {
    WinHelp(this, HelpCommand::Finder);
}

// The menu window has no Help button: F1 opens the help's contents.
bool CMainDlg::OnHelpInfo() {
    OnHelpContents();
    return true;
}

void CMainDlg::OnAbout() {
    CAboutDlg about;
    about.DoModal(this);
}

void CMainDlg::OpenForm(int commandId) {
    const FormCommand* command = FindFormCommand(commandId);
    if (command == nullptr)
        return;
    // A new form for every opening, so every opening starts from the defaults.
    std::unique_ptr<CCalcFormDlg> form = command->create();
    form->DoModal(this);
}

bool CMainDlg::OnCommand(Notification notification, int id) {
    if (notification == Notification::Clicked && FindFormCommand(id) != nullptr) {
        OpenForm(id);
        return true;
    }
    return CDialog::OnCommand(notification, id);
}

const CommandTable* CMainDlg::GetCommandTable() const {
    static const CommandEntry entries[] = {
        {Notification::Clicked, menus::kQuitCommand, &Handler<&CMainDlg::OnQuit>},
        {Notification::Clicked, menus::kContentsCommand, &Handler<&CMainDlg::OnHelpContents>},
        {Notification::Clicked, menus::kAboutCommand, &Handler<&CMainDlg::OnAbout>},
    };
    static const CommandTable table{nullptr, entries};
    return &table;
}
