// The panels beside a form and its context menu: closed, the form is its
// template; open, they widen it, take the focus with F6 and follow it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGraphicsView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/FormTable.h"
#include "forms/FormPanels.h"
#include "forms/oscillators/Astable555Dlg.h"
#include "forms/panels/PanelPlacement.h"
#include "forms/panels/PlotPanel.h"
#include "forms/passive/DecibelDlg.h"
#include "forms/semiconductors/ClassAAmpDlg.h"
#include "res/ids/Astable555Ids.h"
#include "res/ids/ClassAAmpIds.h"
#include "res/ids/DecibelIds.h"
#include "res/ids/RcNotchIds.h"
#include "tests/support/FormHarness.h"

namespace {

void Activate(CCalcFormDlg& form) {
    harness::Open(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

// To the focused control, or to the window while a closed menu hands the focus back.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

// The controls Tab visits from the focused one, by name, once round.
std::vector<QString> TabChain() {
    std::vector<QString> chain;
    for (int i = 0; i < 30; ++i) {
        chain.push_back(QApplication::focusWidget()->objectName());
        Press(Qt::Key_Tab);
    }
    return chain;
}

TEST(SidePanels, ClosedTheFormIsItsTemplate) {
    for (int command : {ids::astable555::kCommand, ids::class_a_amp::kCommand, ids::rc_notch::kCommand,
                        ids::decibel::kCommand}) {
        std::unique_ptr<CCalcFormDlg> fresh = FindFormCommand(command)->create();
        Activate(*fresh);
        const QSize size = fresh->size();
        const std::vector<std::string> texts = fresh->FieldTexts();
        const std::vector<QString> chain = TabChain();
        fresh->close();

        std::unique_ptr<CCalcFormDlg> form = FindFormCommand(command)->create();
        Activate(*form);
        form->Panels()->SetPartsOpen(true);
        form->Panels()->SetPlotOpen(true);
        form->Panels()->SetPartsOpen(false);
        form->Panels()->SetPlotOpen(false);
        EXPECT_EQ(form->size(), size) << command;
        EXPECT_EQ(form->FieldTexts(), texts) << command;
        EXPECT_EQ(TabChain(), chain) << command;
    }
}

TEST(SidePanels, KeysOpenThePanelsAndMoveTheFocusIntoThem) {
    CAstable555Dlg form;
    Activate(form);
    const QSize size = form.size();
    QWidget* field = QApplication::focusWidget();
    Press(Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(form.Panels()->PartsOpen());
    EXPECT_EQ(form.height(), std::max(size.height(), form.Panels()->Side()->height()));
    EXPECT_GT(form.width(), size.width() + 100);
    Press(Qt::Key_F6);
    EXPECT_TRUE(form.Panels()->Side()->isAncestorOf(QApplication::focusWidget()));
    Press(Qt::Key_Return);  // Enter in the panel does not close the form
    EXPECT_TRUE(form.isVisible());
    Press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), field);
    Press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(form.Panels()->PlotOpen());
    Press(Qt::Key_E, Qt::ControlModifier);
    Press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(form.Panels()->Side()->isVisible());
    EXPECT_EQ(form.size(), size);
}

// F6 goes from the form to the first control of each open panel in turn
// (showing its tab where they share one area) and back; Shift+F6 the other
// way. The focus lands as from the keyboard, so that the style draws it, and
// the chart shows its readout and moves it with the arrow keys.
TEST(SidePanels, F6VisitsTheFirstControlOfEachPanel) {
    CClassAAmpDlg form;  // too wide for both panels side by side on this screen
    Activate(form);
    QWidget* field = QApplication::focusWidget();
    form.Panels()->SetPartsOpen(true);
    form.Panels()->SetPlotOpen(true);
    QApplication::processEvents();
    ASSERT_TRUE(form.Panels()->InTabs());
    auto* tabs = form.Panels()->Side()->findChild<QTabWidget*>();
    const forms::PlotPanel* plot = nullptr;  // no meta-object of its own: findChild would take any widget
    for (QWidget* widget : form.Panels()->Side()->findChildren<QWidget*>())
        plot = plot != nullptr ? plot : dynamic_cast<forms::PlotPanel*>(widget);
    ASSERT_TRUE(tabs && plot);
    const std::vector<QString> forwards{"SeriesR", "Plot", field->objectName(), "SeriesR"};
    for (const QString& expected : forwards) {
        Press(Qt::Key_F6);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const QString landed =
            qobject_cast<QGraphicsView*>(focus) ? QStringLiteral("Plot") : focus->objectName();
        EXPECT_EQ(landed, expected) << focus->metaObject()->className();
        EXPECT_TRUE(focus->isVisible()) << landed.toStdString();
        EXPECT_TRUE(form.testAttribute(Qt::WA_KeyboardFocusChange));
        if (landed == "Plot") {
            EXPECT_EQ(tabs->currentWidget(), plot);
            const QString readout = plot->Readout();
            EXPECT_FALSE(readout.isEmpty());
            Press(Qt::Key_Left);
            EXPECT_NE(plot->Readout(), readout);
        }
    }
    Press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), field);
    Press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(qobject_cast<QGraphicsView*>(QApplication::focusWidget()) != nullptr);
}

// Where the panels go for a form of 500x400 and panels of 400x500 and
// 600x450, by the room the screen has (no frame; the window was at 700,300).
TEST(SidePanels, PlacementByTheRoomOnTheScreen) {
    const forms::PanelSizes sizes{{500, 400}, {{400, 500}, {600, 450}}, {620, 540}};
    const struct {
        QSize screen;
        bool tabs, below;
        QSize window;
    } cases[] = {
        {{1600, 900}, false, false, {1500, 500}},  // side by side
        {{1366, 768}, true, false, {1120, 540}},   // one area with a tab each
        {{1000, 1200}, false, true, {1000, 900}},  // side by side below the form
        {{700, 1000}, true, true, {620, 940}},     // tabs below the form
        {{800, 600}, true, true, {620, 600}},      // below, scrolling in what is left
        {{1000, 500}, true, false, {1000, 500}},   // beside, scrolling
    };
    for (const auto& c : cases) {
        const QRect screen(QPoint(0, 0), c.screen);
        const forms::PanelPlacement placed = forms::PlacePanels(sizes, screen, QMargins(), QPoint(700, 300));
        const std::string where = std::to_string(c.screen.width()) + "x" + std::to_string(c.screen.height());
        EXPECT_EQ(placed.tabs, c.tabs) << where;
        EXPECT_EQ(placed.below, c.below) << where;
        EXPECT_EQ(placed.window, c.window) << where;
        EXPECT_TRUE(screen.contains(QRect(placed.position, placed.window))) << where;
    }
    // An area that scrolls keeps room for its scroll bar beside what it shows.
    forms::PanelSizes barred = sizes;
    barred.scrollBar = 16;
    EXPECT_EQ(forms::PlacePanels(barred, QRect(0, 0, 1300, 500), QMargins(), QPoint()).window, QSize(1136, 500));
    EXPECT_EQ(forms::PlacePanels(barred, QRect(0, 0, 800, 600), QMargins(), QPoint()).window, QSize(636, 600));
    // A frame counts: a window that would fit without its title bar goes into tabs.
    const forms::PanelPlacement framed =
        forms::PlacePanels(sizes, QRect(0, 0, 1600, 510), QMargins(4, 24, 4, 4), QPoint(0, 0));
    EXPECT_TRUE(framed.tabs || framed.below);
}

TEST(SidePanels, StandardValuesGoIntoTheFormInItsAsBuiltMode) {
    CAstable555Dlg form;
    Activate(form);
    harness::Click(form, 1181);  // "C,  F and duty%"
    harness::Type(form, 1179, "1k");
    harness::Enter(form, 1180, "60");
    EXPECT_EQ(harness::Text(form, 1171), "28.86 K");
    form.Panels()->SetPartsOpen(true);
    auto* use = form.Panels()->Side()->findChild<QPushButton*>();
    for (QPushButton* button : form.Panels()->Side()->findChildren<QPushButton*>()) {
        if (button->text().contains(QStringLiteral("standard")))
            use = button;
    }
    ASSERT_NE(use, nullptr);
    use->click();
    EXPECT_TRUE(form.Item<QRadioButton>(1169)->isChecked());  // "R1, R2 and C"
    EXPECT_EQ(harness::Text(form, 1171), "30.00 K");
    EXPECT_EQ(harness::Text(form, 1176), "56.00 K");
    EXPECT_EQ(harness::Text(form, 1179), "1.02 K");
}

TEST(SidePanels, ContextMenuFromTheKeyboardAndCopiedValues) {
    CDecibelDlg form;
    Activate(form);
    QStringList entries;
    QTimer poll;  // the menu runs its own loop: read it from there, then close it
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                entries << action->text() + (action->isEnabled() ? "" : " (off)");
        }
        menu->close();
        poll.stop();
    });
    poll.start(10);
    Press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(entries, (QStringList{"&Parts panel (off)", "P&lot panel (off)", "Copy &values",
                                    "Copy SPICE &netlist (off)", "&Save SPICE netlist... (off)"}));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Decibel\nGain (dB) 20.00\nPi (W) 1.00 m\nPo (W) 100.00 m\nUi (V) 1.00\nUo (V) 10.00\n");
}

}  // namespace
