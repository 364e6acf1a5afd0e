// Start-up, the menu window, the About box and the help requests of the shell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/AboutDlg.h"
#include "app/CalcApp.h"
#include "app/FormTable.h"
#include "app/MainDlg.h"
#include "forms/CalcFormDlg.h"
#include "platform/MessageBox.h"
#include "tests/support/HelpRecorder.h"

namespace {

// Runs fn from the event loop of whatever modal run is active by then.
void Later(std::function<void()> fn) {
    QTimer::singleShot(0, qApp, std::move(fn));
}

template <class T>
T* ActiveModal() {
    return dynamic_cast<T*>(QApplication::activeModalWidget());
}

// Starts the main window; `then` runs once the About box has been closed
// with "Ok", and must end the main window.
void RunMainWindow(CMainDlg& mainWindow, std::function<void()> then) {
    Later([then] {
        CAboutDlg* about = ActiveModal<CAboutDlg>();
        ASSERT_NE(about, nullptr);
        QTest::mouseClick(about->GetDlgItem(platform::IDOK), Qt::LeftButton);
        Later(then);
    });
    mainWindow.DoModal(nullptr);
}

TEST(Shell, AboutBoxComesFirstThenTheMenuWindow) {
    HelpRecorder help;
    CMainDlg mainWindow;
    bool aboutFirst = false, mainAfter = false;
    QPoint offCentre(-1000, -1000);  // of the About box from the middle of its screen
    int frame = 0;                   // the window frame leaves it that far off
    Later([&] {
        const CAboutDlg* about = ActiveModal<CAboutDlg>();
        aboutFirst = about != nullptr && !mainWindow.isVisible();
        if (about) {
            offCentre = about->frameGeometry().center() - about->screen()->availableGeometry().center();
            frame = (about->frameGeometry().size() - about->size()).width() +
                    (about->frameGeometry().size() - about->size()).height();
        }
    });
    RunMainWindow(mainWindow, [&] {
        mainAfter = mainWindow.isVisible() && ActiveModal<CAboutDlg>() == nullptr;
        mainWindow.OnQuit();
    });
    EXPECT_TRUE(aboutFirst);
    EXPECT_LE(offCentre.manhattanLength(), frame / 2 + 2) << offCentre.x() << "," << offCentre.y();
    EXPECT_TRUE(mainAfter);
    EXPECT_EQ(mainWindow.result(), platform::IDOK);
    EXPECT_EQ(help.quits, 0);  // the viewer is told when the window is destroyed
    EXPECT_EQ(mainWindow.windowTitle(), "Voltaris");
}

TEST(Shell, MenuHoldsEightMenusAndTwentySevenCommands) {
    HelpRecorder help;
    CMainDlg mainWindow;
    QStringList layout;
    RunMainWindow(mainWindow, [&] {
        for (QAction* menuAction : mainWindow.MenuBar()->actions()) {
            QString line = menuAction->text() + ":";
            for (QAction* item : menuAction->menu()->actions())
                line += item->isSeparator()
                            ? QStringLiteral(" |")
                            : QStringLiteral(" %1=%2").arg(item->text()).arg(item->data().toInt());
            layout << line;
        }
        mainWindow.OnQuit();
    });
    const QStringList expected = {
        "&File: &Quit=32771",
        "&Units: &Decibels=32775",
        "&Passive components: &Ohms'law=32772 | Two &resistors=32785 Two &capacitors=32776 | "
        "&Cylindric self, monocoated=32778 Cylindric self, &multi-coated=32780 &PCB printed self=32779 | "
        "&Filtering capacitor=32793",
        "&Semi-conductors: &Heatsink=32794 &Zener diode=32796 Class A &Transistor amplifier=32797",
        "&AOP's: &Inverting amplifier=32781 &Non-inverting amplifier=32782 | &Differentiator=32783 "
        "&Integrator=32799 | &Summator=32786 &Substractor=32798 | &Schmitt trigger=32800",
        "&Oscillators: Astable, &NE555=32801 Astable, CMOS &logic gates=32803 | &Monostable, NE555=32802",
        "&Filters: RC &Low pass filter (6dB/octave)=32807 RC &High pass filter (6dB/octave)=32808 "
        "RC &Notch filter (6dB/octave)=32809",
        "&Help: &Contents=32773 &About Voltaris=32774",
    };
    EXPECT_EQ(layout, expected);
}

TEST(Shell, EveryBuiltFormOpensWithItsDefaultsEachTime) {
    HelpRecorder help;
    CMainDlg mainWindow;
    int opened = 0;
    RunMainWindow(mainWindow, [&] {
        for (const FormCommand& command : FormCommands()) {
            std::vector<std::string> firstTexts;
            for (int round = 0; round < 2; ++round) {
                Later([&, round] {
                    CCalcFormDlg* form = ActiveModal<CCalcFormDlg>();
                    ASSERT_NE(form, nullptr) << command.className;
                    EXPECT_EQ(form->objectName(), command.className);
                    EXPECT_FALSE(mainWindow.isEnabled() && QApplication::activeModalWidget() == &mainWindow);
                    if (round == 0) {
                        firstTexts = form->FieldTexts();
                        // Change something, then close: the next opening must not show it.
                        auto* edit = form->findChild<QLineEdit*>();
                        edit->setText("123");
                        edit->setFocus();
                        QTest::keyClick(edit, Qt::Key_Return);
                    } else {
                        EXPECT_EQ(form->FieldTexts(), firstTexts) << command.className;
                    }
                    QTest::keyClick(form, Qt::Key_Escape);
                    ++opened;
                });
                mainWindow.OpenForm(command.commandId);
            }
        }
        mainWindow.OnQuit();
    });
    EXPECT_GE(opened, 2);
}

TEST(Shell, EveryMenuCommandOpensAWorkingForm) {
    HelpRecorder help;
    CMainDlg mainWindow;
    QStringList opened;
    RunMainWindow(mainWindow, [&] {
        for (QAction* menuAction : mainWindow.MenuBar()->actions()) {
            for (QAction* item : menuAction->menu()->actions()) {
                const FormCommand* command = FindFormCommand(item->data().toInt());
                if (item->isSeparator() || command == nullptr)
                    continue;
                EXPECT_TRUE(item->isEnabled()) << command->className;
                Later([&, command] {
                    CCalcFormDlg* form = ActiveModal<CCalcFormDlg>();
                    ASSERT_NE(form, nullptr) << command->className;
                    // Opened, recalculated at once: no field is left empty.
                    for (const std::string& text : form->FieldTexts())
                        EXPECT_FALSE(text.empty()) << command->className;
                    opened << form->objectName();
                    QTest::mouseClick(form->GetDlgItem(form->Binding().CloseId()), Qt::LeftButton);
                });
                item->trigger();
            }
        }
        mainWindow.OnQuit();
    });
    QStringList classes;  // each form of the command table, once
    for (const FormCommand& command : FormCommands())
        classes << QString::fromLatin1(command.className);
    classes.sort();
    opened.sort();
    EXPECT_EQ(opened, classes);
}

TEST(Shell, EscAndCopyrightNoticeOpenTopic170AndKeepTheAboutBox) {
    HelpRecorder help;
    CAboutDlg about;
    about.Create(nullptr);
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    QTest::mouseClick(about.GetDlgItem(2), Qt::LeftButton);
    about.close();  // no close box; a window manager's close is the same command
    EXPECT_EQ(help.topics, (std::vector<int>{170, 170, 170}));
    EXPECT_TRUE(about.isVisible());
    QTest::keyClick(about.GetDlgItem(1), Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), platform::IDOK);
}

TEST(Shell, WindowMenuStandInShowsTheAboutBox) {
    HelpRecorder help;
    CMainDlg mainWindow;
    bool aboutShown = false;
    QString entry;
    RunMainWindow(mainWindow, [&] {
        const QList<QAction*> actions = mainWindow.SystemMenu()->actions();
        ASSERT_EQ(actions.size(), 2);
        EXPECT_TRUE(actions[0]->isSeparator());
        entry = actions[1]->text();
        EXPECT_EQ(actions[1]->data().toInt(), 16);
        Later([&] {
            CAboutDlg* about = ActiveModal<CAboutDlg>();
            aboutShown = about != nullptr;
            if (about)
                QTest::mouseClick(about->GetDlgItem(1), Qt::LeftButton);
            Later([&] { mainWindow.OnQuit(); });
        });
        actions[1]->trigger();
    });
    EXPECT_EQ(entry, "&A propos de voltaris...");
    EXPECT_TRUE(aboutShown);
}

TEST(Shell, ContentsAndQuitReachTheHelpViewer) {
    auto help = std::make_unique<HelpRecorder>();
    {
        CMainDlg mainWindow;
        RunMainWindow(mainWindow, [&] {
            for (QAction* menuAction : mainWindow.MenuBar()->actions()) {
                for (QAction* item : menuAction->menu()->actions()) {
                    if (item->data().toInt() == 32773)
                        item->trigger();
                }
            }
            mainWindow.OnQuit();
        });
        EXPECT_EQ(help->contents, 1);
        EXPECT_EQ(help->quits, 0);
    }
    EXPECT_EQ(help->quits, 1);
}

TEST(Shell, SettingsLiveInTheProgramsOwnFolder) {
    const QString organisation = QCoreApplication::organizationName(),
                  name = QCoreApplication::applicationName();
    CCalcApp::NameApplication();
    const QString file = QSettings().fileName();
    QCoreApplication::setOrganizationName(organisation);  // the other tests keep their own settings
    QCoreApplication::setApplicationName(name);
    EXPECT_EQ(file, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        "/voltaris/voltaris.conf");
}

TEST(Shell, EscClosesTheMenuWindow) {
    HelpRecorder help;
    CMainDlg mainWindow;
    RunMainWindow(mainWindow, [&] { QTest::keyClick(&mainWindow, Qt::Key_Escape); });
    EXPECT_EQ(mainWindow.result(), platform::IDCANCEL);
}

}  // namespace

namespace {

// What the window manager is asked to draw: the About box a bare caption, the
// menu window no maximise button, the forms a close box only; all of fixed
// size. (Without the customize hint Qt asks for every button.)
TEST(Shell, WindowsAskForTheirCaptionButtonsOnly) {
    using F = Qt::WindowType;
    struct Seen {
        QString name;
        Qt::WindowFlags flags;
        QSize minimum, maximum;
    };
    std::vector<Seen> seen;
    auto look = [&](QWidget& window) {
        seen.push_back(
            {window.objectName(), window.windowFlags(), window.minimumSize(), window.maximumSize()});
    };
    CAboutDlg about;
    about.Create(nullptr);
    look(about);
    {
        HelpRecorder help;
        CMainDlg mainWindow;
        RunMainWindow(mainWindow, [&] {
            look(mainWindow);
            mainWindow.OnQuit();
        });
    }
    for (const FormCommand& command : FormCommands()) {
        std::unique_ptr<CCalcFormDlg> form = command.create();
        form->Create(nullptr);
        look(*form);
    }
    const Qt::WindowFlags buttons = F::WindowSystemMenuHint | F::WindowCloseButtonHint |
                                    F::WindowMinimizeButtonHint | F::WindowMaximizeButtonHint;
    ASSERT_EQ(seen.size(), 2 + FormCommands().size());
    for (const Seen& window : seen) {
        const std::string name = window.name.toStdString();
        Qt::WindowFlags wanted = F::WindowSystemMenuHint | F::WindowCloseButtonHint;  // a form
        if (window.name == "CAboutDlg")
            wanted = {};
        else if (window.name == "CMainDlg")
            wanted |= F::WindowMinimizeButtonHint;
        EXPECT_TRUE(window.flags & F::CustomizeWindowHint) << name;
        EXPECT_TRUE(window.flags & F::WindowTitleHint) << name;
        EXPECT_EQ(window.flags & buttons, wanted) << name;
        EXPECT_EQ(window.minimum, window.maximum) << name;
    }
}

}  // namespace
