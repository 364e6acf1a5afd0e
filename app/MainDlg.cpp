#include "app/MainDlg.h"

#include <QContextMenuEvent>
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
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
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
            const FormCommand* form = FindFormCommand(item.commandId);
            action->setEnabled(form == nullptr || form->create != nullptr);  // greyed until built
            connect(action, &QAction::triggered, this,
                    [this, id = item.commandId] { OnCommand(Notification::Clicked, id); });
        }
    }
    // Zero client height: the window is its caption and its menu bar.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    setFixedSize(Units().X(Template().cx), menuBar_->sizeHint().height());
}

void CMainDlg::BuildSystemMenu() {
    systemMenu_ = new QMenu(this);
    systemMenu_->addSeparator();
    QAction* about = systemMenu_->addAction(QStringLiteral("&A propos de voltaris..."));
    about->setData(kAboutSysCommand);
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(kAboutSysCommand); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { systemMenu_->popup(mapToGlobal(at)); });
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(shortcut, &QShortcut::activated, this, [this] { systemMenu_->popup(mapToGlobal(QPoint(0, 0))); });
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

void CMainDlg::OnAbout() {
    CAboutDlg about;
    about.DoModal(this);
}

void CMainDlg::OpenForm(int commandId) {
    const FormCommand* command = FindFormCommand(commandId);
    if (command == nullptr || command->create == nullptr)
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
