#include "app/CalcApp.h"

#include <QApplication>
#include <QIcon>

#include "app/MainDlg.h"
#include "platform/AppLook.h"
#include "platform/HelpFile.h"
#include "platform/HelpWindow.h"

void CCalcApp::NameApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("voltaris"));
    QCoreApplication::setApplicationName(QStringLiteral("voltaris"));
}

int CCalcApp::Run(int argc, char* argv[]) {
    QApplication app(argc, argv);
    NameApplication();
    // Not the application display name: Qt would append it to every caption
    // the window manager shows ("Ohm's Law — Voltaris").
    platform::SetProgramName(QStringLiteral("Voltaris"));
    // Ties the windows to the installed desktop entry (its icon, its name).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.voltaris.Voltaris"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon128.svg")));
    platform::InitApplicationLook(app);

    platform::HelpWindow help(platform::FindHelpFile(QApplication::applicationFilePath()));
    platform::SetHelpViewer(&help);
    {
        CMainDlg mainWindow;
        mainWindow.DoModal(nullptr);
    }  // destroying the main window closes the help viewer
    platform::SetHelpViewer(nullptr);
    return 0;
}
