// The panels beside a form and its context menu: closed, the form is its
// template; open, they widen it, take the focus with F6 and follow it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/FormTable.h"
#include "forms/FormPanels.h"
#include "forms/oscillators/Astable555Dlg.h"
#include "forms/passive/DecibelDlg.h"
#include "forms/semiconductors/ClassAAmpDlg.h"
#include "res/menus/CommandIds.h"
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
    for (int command : {menus::kAstable555Command, menus::kClassAAmpCommand, menus::kRcNotchCommand,
                        menus::kDecibelCommand}) {
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
