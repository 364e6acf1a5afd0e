// Renders every window of the program, as it looks when it opens, to PNG
// files: voltaris_screenshots [--dark] <output folder>. Run it under xvfb-run
// (see screenshots.sh) to see real windows, or offscreen. --dark shows them in
// the dark palette the display tests use.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "app/FormTable.h"
#include "app/MainDlg.h"
#include "engine/oscillators/Astable555.h"
#include "forms/CalcFormDlg.h"
#include "forms/FormPanels.h"
#include "forms/panels/DesignSection.h"
#include "platform/AppLook.h"
#include "platform/HelpWindow.h"
#include "res/ids/Astable555Ids.h"
#include "tools/DarkPalette.h"

namespace {

QDir gFolder;

void Save(QWidget& window, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QString path = gFolder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// A window together with the menu it has open, on a transparent ground.
void SaveWithMenu(QWidget& window, QWidget& menu, const QString& name) {
    const QRect area = window.geometry().united(menu.geometry());
    const qreal ratio = window.devicePixelRatioF();
    QPixmap picture(area.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    painter.drawPixmap(menu.geometry().topLeft() - area.topLeft(), menu.grab());
    painter.end();
    const QString path = gFolder.filePath(name + QStringLiteral(".png"));
    if (!picture.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// The whole screen, window manager's frames and all.
void SaveScreen(const QString& name) {
    const QString path = gFolder.filePath(name + QStringLiteral(".png"));
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen->grabWindow(0).save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Lets the window manager place and frame a window.
void Settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(30);
    }
}

void SaveForms() {
    for (const FormCommand& command : FormCommands()) {
        std::unique_ptr<CCalcFormDlg> form = command.create();
        form->Create(nullptr);
        const QString name = QString::fromLatin1(command.className);
        Save(*form, name);
        // With every panel it has open, in the window and on the screen.
        CFormPanels* panels = form->Panels();
        const bool parts = panels->MenuActions()[0]->isEnabled(),
                   plot = panels->MenuActions()[1]->isEnabled();
        if (parts || plot) {
            panels->SetPartsOpen(parts);
            panels->SetPlotOpen(plot);
            Settle();
            Save(*form, name + QStringLiteral("-panels"));
            SaveScreen(name + QStringLiteral("-panels-screen"));
            const QRect frame = form->frameGeometry(), room = form->screen()->availableGeometry();
            std::printf("%s %s: frame %dx%d+%d+%d on %dx%d%s%s\n",
                        room.contains(frame) ? "inside " : "OUTSIDE", qPrintable(name), frame.width(),
                        frame.height(), frame.x(), frame.y(), room.width(), room.height(),
                        panels->InTabs() ? ", tabs" : "", panels->Below() ? ", below" : "");
            if (panels->InTabs()) {
                // F6 twice: into the Parts tab, then into the Plot tab.
                panels->MoveFocusBetweenFormAndPanels();
                panels->MoveFocusBetweenFormAndPanels();
                Settle();
                Save(*form, name + QStringLiteral("-panels-plot"));
            }
        }
        form->close();
    }
}

// The 555 astable asked for 1 kHz at 60 %, its Parts panel's best
// combinations found with yield windows and the top row's distribution shown.
void SaveDesign() {
    const FormCommand* command = FindFormCommand(ids::astable555::kCommand);
    std::unique_ptr<CCalcFormDlg> form = command->create();
    form->Create(nullptr);
    engine::FormState state = engine::OpenedState(form->Form());
    state.modes[0] = astable555::kCFAndDuty;
    state.texts[astable555::kC] = "10n";
    state.texts[astable555::kF] = "1k";
    state.texts[astable555::kDuty] = "60";
    form->ApplyState(state);
    form->Panels()->SetPartsOpen(true);
    form->Panels()->Design()->setChecked(true);
    form->findChild<QDoubleSpinBox*>(QStringLiteral("DesignWindowF"))->setValue(5);
    form->findChild<QDoubleSpinBox*>(QStringLiteral("DesignWindowDuty"))->setValue(3);
    form->findChild<QCheckBox*>(QStringLiteral("DesignFixC"))->setChecked(true);
    form->show();
    form->findChild<QPushButton*>(QStringLiteral("DesignFind"))->click();
    while (form->Panels()->Design()->Running())
        Settle();
    Settle();
    Save(*form, QStringLiteral("CAstable555Dlg-design"));
    SaveScreen(QStringLiteral("CAstable555Dlg-design-screen"));
    const QRect frame = form->frameGeometry(), room = form->screen()->availableGeometry();
    std::printf("%s design: frame %dx%d+%d+%d%s%s\n", room.contains(frame) ? "inside " : "OUTSIDE",
                frame.width(), frame.height(), frame.x(), frame.y(), form->Panels()->InTabs() ? ", tabs" : "",
                form->Panels()->Below() ? ", below" : "");
    // With the Plot panel too: the top row's builds, on the Plot tab where the panels share one area.
    form->Panels()->SetPlotOpen(true);
    if (form->Panels()->InTabs()) {
        form->Panels()->MoveFocusBetweenFormAndPanels();
        form->Panels()->MoveFocusBetweenFormAndPanels();
    }
    Settle();
    Save(*form, QStringLiteral("CAstable555Dlg-design-plot"));
    form->close();
}

// The About box comes first: grab it while it runs, then close it; then the
// menu window with each of its menus open.
void SaveShell() {
    QTimer::singleShot(300, [] {
        if (QWidget* about = QApplication::activeModalWidget()) {
            Save(*about, QStringLiteral("CAboutDlg"));
            // Pressing "Ok"; Esc or closing would open the copyright notice.
            if (auto* dialog = qobject_cast<QDialog*>(about))
                dialog->done(platform::IDOK);
        }
    });
    CMainDlg mainWindow;
    QTimer::singleShot(600, [&mainWindow] {
        Save(mainWindow, QStringLiteral("CMainDlg"));
        int index = 0;
        for (QAction* action : mainWindow.MenuBar()->actions()) {
            QMenu* menu = action->menu();
            mainWindow.MenuBar()->setActiveAction(action);
            QApplication::processEvents();
            Save(*menu, QStringLiteral("CMainDlg-menu%1").arg(++index));
            SaveWithMenu(mainWindow, *menu, QStringLiteral("CMainDlg-with-menu%1").arg(index));
            menu->close();
        }
        mainWindow.OnQuit();
    });
    mainWindow.DoModal(nullptr);
}

// The help viewer at its contents page and at two topics.
void SaveHelp() {
    platform::HelpWindow help(QStringLiteral(VOLTARIS_HELP_FILE));
    const std::pair<QString, QString> pages[] = {
        {QStringLiteral("contents"), QStringLiteral("Help-contents")},
        {QStringLiteral("245"), QStringLiteral("Help-245")},
        {QStringLiteral("220"), QStringLiteral("Help-220")},
    };
    for (const auto& [page, name] : pages) {
        if (!help.Show(page))
            std::fprintf(stderr, "no help file at %s\n", VOLTARIS_HELP_FILE);
        Save(help, name);
    }
    help.Quit();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::SetProgramName(QStringLiteral("Voltaris"));
    platform::InitApplicationLook(app);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.removeAll(QStringLiteral("--dark")) > 0)
        QApplication::setPalette(tools::DarkPalette());
    const bool formsOnly = arguments.removeAll(QStringLiteral("--forms")) > 0;
    const bool designOnly = arguments.removeAll(QStringLiteral("--design")) > 0;
    // --font POINTS: the program's font at another size, as a desktop setting would give it.
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--font"));
        at >= 0 && at + 1 < arguments.size()) {
        QFont font = QApplication::font();
        font.setPointSize(arguments[at + 1].toInt());
        QApplication::setFont(font);
        arguments.remove(at, 2);
    }
    gFolder = QDir(arguments.isEmpty() ? QStringLiteral("shots") : arguments.first());
    QDir().mkpath(gFolder.path());
    if (designOnly) {
        SaveDesign();
        return 0;
    }
    SaveForms();
    if (formsOnly)
        return 0;
    SaveHelp();
    SaveShell();
    return 0;
}
