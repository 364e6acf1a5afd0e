// The whole program without a mouse: About box, menus by Alt+letter, a form
// opened from its menu, then closed, then the program ended, keys only.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/AboutDlg.h"
#include "app/MainDlg.h"
#include "forms/passive/OhmsLawDlg.h"
#include "tests/support/HelpRecorder.h"

namespace {

// Each step runs from the event loop of whatever modal run is active by then.
void Steps(std::vector<std::function<void()>> steps, size_t next = 0) {
    if (next == steps.size())
        return;
    QTimer::singleShot(0, qApp, [steps, next] {
        steps[next]();
        Steps(steps, next + 1);
    });
}

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // Keys go to an open menu first, as the window system sends them.
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr)
        target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

TEST(KeyboardOnly, MenusByMnemonicOpenAFormAndEscClosesEverything) {
    HelpRecorder help;
    CMainDlg mainWindow;
    bool aboutActive = false, formOpened = false, formClosed = false;
    QMenu* popup = nullptr;
    Steps({
        [&] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            aboutActive = dynamic_cast<CAboutDlg*>(QApplication::activeModalWidget()) != nullptr;
            QTRY_VERIFY(QApplication::activeModalWidget()->isActiveWindow());
            Press(Qt::Key_Return);  // "Ok" is the default button
        },
        [&] {
            QTRY_VERIFY(mainWindow.isActiveWindow());
            Press(Qt::Key_P, Qt::AltModifier);  // "&Passive components"
            QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
            popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            // Opening the form runs it modally: look at it from the next step.
            QTimer::singleShot(0, qApp, [] { Press(Qt::Key_O); });  // "&Ohms'law"
        },
        [&] {
            QTRY_VERIFY(dynamic_cast<COhmsLawDlg*>(QApplication::activeModalWidget()) != nullptr);
            formOpened = true;
            QTRY_VERIFY(QApplication::activeModalWidget()->isActiveWindow());
            Press(Qt::Key_Escape);
        },
        [&] {
            formClosed = QApplication::activeModalWidget() == nullptr;
            // The window manager hands the keyboard back to the menu window.
            QTest::keyClick(&mainWindow, Qt::Key_Escape);
        },
    });
    QTimer::singleShot(20000, &mainWindow, [&] { mainWindow.OnQuit(); });  // never hangs the suite
    mainWindow.DoModal(nullptr);
    EXPECT_TRUE(aboutActive);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->title(), "&Passive components");
    EXPECT_TRUE(formOpened);
    EXPECT_TRUE(formClosed);
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_EQ(mainWindow.result(), platform::IDCANCEL);  // ended by Esc, not by the time limit
}

}  // namespace
