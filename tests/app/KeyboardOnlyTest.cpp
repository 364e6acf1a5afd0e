// The whole program without a mouse, typed as the window system delivers keys
// (to the window that has the keyboard, modifiers pressed and released as
// keys of their own): About box, menus by Alt+letter, a form opened from its
// menu, the window menu, and Esc ending the menu window whatever came before.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "app/AboutDlg.h"
#include "app/MainDlg.h"
#include "forms/passive/OhmsLawDlg.h"
#include "tests/support/HelpRecorder.h"

namespace {

struct Stroke {
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

const Stroke kEsc{Qt::Key_Escape};

// The window that has the keyboard; when a modal form closes, the window
// manager hands it back to the window below, which offscreen nobody does.
QWindow* KeyboardWindow(CMainDlg& mainWindow) {
    if (QGuiApplication::focusWindow() == nullptr && QApplication::activeModalWidget() == nullptr)
        mainWindow.activateWindow();
    if (!QTest::qWaitFor([] { return QGuiApplication::focusWindow() != nullptr; }, 2000))
        return nullptr;
    return QGuiApplication::focusWindow();
}

void Type(CMainDlg& mainWindow, const Stroke& stroke) {
    if (stroke.key == Qt::Key_Menu) {
        // The X11 platform turns the Menu key into a keyboard context menu
        // request to the window that has the keyboard.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &mainWindow;
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(0, 0),
                                  target->mapToGlobal(QPoint(0, 0)));
        QCoreApplication::sendEvent(target, &request);
        return;
    }
    QWindow* window = KeyboardWindow(mainWindow);
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, static_cast<Qt::Key>(stroke.key), stroke.modifiers);
}

// Runs `then` from the event loop once `condition` holds (polled, at most
// for ten seconds).
void WhenTrue(QObject* context, std::function<bool()> condition, std::function<void()> then,
              int triesLeft = 500) {
    QTimer::singleShot(20, context, [=] {
        if (condition())
            then();
        else if (triesLeft > 0)
            WhenTrue(context, condition, then, triesLeft - 1);
    });
}

// Starts the program's menu window, closes the About box with Enter, then
// types `strokes` one after the other. Each stroke is sent from the event
// loop that runs by then (a stroke that opens a form or the About box runs
// its modal loop). `look(done)` sees what the first `done` strokes left,
// before the next one. The run ends when the menu window ends, or after a
// time limit.
void RunTyping(CMainDlg& mainWindow, const std::vector<Stroke>& strokes,
               std::function<void(size_t done)> look = nullptr) {
    auto next = std::make_shared<std::function<void(size_t)>>();
    // The step holds itself weakly: this function's `next` keeps it for the run.
    *next = [&mainWindow, strokes, look, self = std::weak_ptr(next)](size_t index) {
        QTimer::singleShot(20, &mainWindow, [&mainWindow, strokes, look, next = self.lock(), index] {
            if (look)
                look(index);
            if (index == strokes.size())
                return;
            (*next)(index + 1);
            Type(mainWindow, strokes[index]);
        });
    };
    QTimer::singleShot(0, &mainWindow, [&mainWindow, next] {
        QTRY_VERIFY(dynamic_cast<CAboutDlg*>(QApplication::activeModalWidget()) != nullptr);
        QTRY_VERIFY(QApplication::activeModalWidget()->isActiveWindow());
        // The menu window shows once the About box's run has returned: wait
        // from the event loop, not inside the About box's.
        WhenTrue(
            &mainWindow, [&mainWindow] { return mainWindow.isActiveWindow(); }, [next] { (*next)(0); });
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return);  // "Ok" is the default button
    });
    QTimer::singleShot(10000, &mainWindow, [&mainWindow] { mainWindow.OnQuit(); });  // never hangs the suite
    mainWindow.DoModal(nullptr);
}

TEST(KeyboardOnly, EscEndsTheMenuWindowWhateverCameBefore) {
    const Stroke altP{Qt::Key_P, Qt::AltModifier}, letterO{Qt::Key_O};
    const struct {
        const char* before;
        std::vector<Stroke> strokes;  // the last one ends the program
    } cases[] = {
        {"nothing", {kEsc}},
        {"a menu opened with Alt+P (Esc closes it, Esc leaves the menu bar)", {altP, kEsc, kEsc, kEsc}},
        {"Alt alone (the menu bar takes the keyboard)", {{Qt::Key_Alt}, kEsc, kEsc}},
        {"a form opened from its menu and closed with Esc", {altP, letterO, kEsc, kEsc}},
        {"the window menu opened with Shift+F10", {{Qt::Key_F10, Qt::ShiftModifier}, kEsc, kEsc}},
    };
    for (const auto& c : cases) {
        HelpRecorder help;
        CMainDlg mainWindow;
        size_t openUpTo = 0;  // strokes typed while the menu window was still open
        RunTyping(mainWindow, c.strokes, [&](size_t done) {
            if (mainWindow.isVisible())
                openUpTo = done;
        });
        EXPECT_EQ(openUpTo, c.strokes.size() - 1) << "after " << c.before;
        EXPECT_FALSE(mainWindow.isVisible()) << "after " << c.before;
        EXPECT_EQ(mainWindow.result(), platform::IDCANCEL) << "after " << c.before;
    }
}

TEST(KeyboardOnly, MenusByMnemonicOpenAForm) {
    HelpRecorder help;
    CMainDlg mainWindow;
    QString popupTitle, formOpened;
    RunTyping(mainWindow, {{Qt::Key_P, Qt::AltModifier}, {Qt::Key_O}, kEsc, kEsc}, [&](size_t done) {
        if (done == 1)
            if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                popupTitle = popup->title();
        if (done == 2 && QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 2000))
            formOpened = QApplication::activeModalWidget()->objectName();
    });
    EXPECT_EQ(popupTitle, "&Passive components");
    EXPECT_EQ(formOpened, "COhmsLawDlg");
    EXPECT_FALSE(mainWindow.isVisible());
}

// Alt+Space usually belongs to the window manager: the window menu also opens
// with Shift+F10 and the Menu key, and Enter on its entry shows the About box.
TEST(KeyboardOnly, WindowMenuOpensFromTheKeyboard) {
    for (const Stroke& opener : {Stroke{Qt::Key_F10, Qt::ShiftModifier}, Stroke{Qt::Key_Menu},
                                 Stroke{Qt::Key_Space, Qt::AltModifier}}) {
        HelpRecorder help;
        CMainDlg mainWindow;
        bool menuOpen = false, aboutShown = false;
        RunTyping(
            mainWindow, {opener, {Qt::Key_Down}, {Qt::Key_Return}, {Qt::Key_Return}, kEsc}, [&](size_t done) {
                if (done == 1)
                    menuOpen = QApplication::activePopupWidget() == mainWindow.SystemMenu();
                if (done == 3)
                    aboutShown = QTest::qWaitFor(
                        [] { return dynamic_cast<CAboutDlg*>(QApplication::activeModalWidget()); }, 2000);
            });
        EXPECT_TRUE(menuOpen) << QKeySequence(opener.key | opener.modifiers).toString().toStdString();
        EXPECT_TRUE(aboutShown) << QKeySequence(opener.key | opener.modifiers).toString().toStdString();
        EXPECT_EQ(mainWindow.result(), platform::IDCANCEL);
    }
}

// The menu window has no Help button, nor a control that holds the focus:
// F1 there opens the help's contents.
TEST(KeyboardOnly, F1InTheMenuWindowOpensTheContents) {
    HelpRecorder help;
    CMainDlg mainWindow;
    RunTyping(mainWindow, {{Qt::Key_F1}, kEsc});
    EXPECT_EQ(help.contents, 1);
    EXPECT_TRUE(help.topics.empty());
    EXPECT_EQ(mainWindow.result(), platform::IDCANCEL);
}

}  // namespace
