// The keys of a classic dialog on a calculator form (Ohm's law as the example).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "forms/passive/OhmsLawDlg.h"
#include "platform/MessageBox.h"
#include "tests/support/FormHarness.h"
#include "tests/support/HelpRecorder.h"

namespace {

constexpr int kI = 1000, kR = 1001, kU = 1002, kP = 1006, kClose = 1013, kHelp = 1012;

TEST(FormKeyboard, FocusStartsOnCloseAndEnterPressesIt) {
    COhmsLawDlg form;
    harness::Open(form);
    EXPECT_EQ(harness::FocusId(form), kClose);
    EXPECT_EQ(form.GetDefID(), kClose);
    QTest::keyClick(form.focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), platform::IDOK);
}

TEST(FormKeyboard, TypingAloneRecalculatesNothing) {
    COhmsLawDlg form;
    harness::Open(form);
    QLineEdit* edit = form.Item<QLineEdit>(kR);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "2k");
    harness::Click(form, kI);  // a mouse click into another field
    EXPECT_EQ(harness::Text(form, kR), "2k");
    EXPECT_EQ(harness::Text(form, kU), "12.00  ");
}

TEST(FormKeyboard, TabAndShiftTabRecalculateThenMoveOn) {
    for (const auto modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        COhmsLawDlg form;
        harness::Open(form);
        harness::Type(form, kR, "2k");
        harness::Key(form, kR, Qt::Key_Tab, modifiers);
        EXPECT_EQ(harness::Text(form, kR), "2.00 K");
        EXPECT_EQ(harness::Text(form, kU), "20.00  ");
        EXPECT_NE(harness::FocusId(form), kR);
    }
}

TEST(FormKeyboard, TabSkipsDisabledFields) {
    COhmsLawDlg form;
    harness::Open(form);
    harness::Key(form, kI, Qt::Key_Tab);
    EXPECT_EQ(harness::FocusId(form), kR);
    harness::Key(form, kR, Qt::Key_Tab);  // P is an output in the opening mode
    EXPECT_EQ(harness::FocusId(form), kHelp);
}

TEST(FormKeyboard, EnterInAFieldRecalculatesAndKeepsTheFormOpen) {
    COhmsLawDlg form;
    harness::Open(form);
    harness::Enter(form, kI, "100m");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(harness::FocusId(form), kI);
    EXPECT_EQ(harness::Text(form, kI), "100.00 m");
    EXPECT_EQ(harness::Text(form, kU), "120.00  ");
    EXPECT_EQ(harness::Text(form, kP), "12.00  ");
}

TEST(FormKeyboard, EnterOnHelpAsksForTheFormsTopic) {
    HelpRecorder help;
    COhmsLawDlg form;
    harness::Open(form);
    harness::Key(form, kHelp, Qt::Key_Return);
    EXPECT_EQ(help.topics, std::vector<int>{220});
    EXPECT_TRUE(form.isVisible());
}

TEST(FormKeyboard, EnterOnARadioButtonPressesClose) {
    COhmsLawDlg form;
    harness::Open(form);
    harness::Key(form, 1007, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), platform::IDOK);
}

TEST(FormKeyboard, EscClosesWithCancel) {
    COhmsLawDlg form;
    harness::Open(form);
    harness::Key(form, kI, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), platform::IDCANCEL);
}

TEST(FormKeyboard, HelpThatCannotStartShowsTheMessageAndKeepsTheForm) {
    platform::SetHelpViewer(nullptr);
    std::vector<QString> messages;
    platform::SetMessageBoxHook([&](const QString& text) { messages.push_back(text); });
    COhmsLawDlg form;
    harness::Open(form);
    harness::Click(form, kHelp);
    platform::SetMessageBoxHook({});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QString::fromUtf8("Le démarrage de l'aide a échoué."));
    EXPECT_TRUE(form.isVisible());
}

TEST(FormCycle, DisabledFieldsAreReadAndRewritten) {
    COhmsLawDlg form;
    harness::Open(form);
    ASSERT_FALSE(harness::Enabled(form, kU));
    form.Item<QLineEdit>(kU)->setText("-5k");  // only code can put text there
    harness::Click(form, 1009);                // "I and U": U becomes an input
    EXPECT_EQ(harness::Text(form, kU), "5.00 K");
    EXPECT_EQ(harness::Text(form, kR), "500.00 K");
}

TEST(FormCycle, UnchangedTextsAreNotRewritten) {
    COhmsLawDlg form;
    harness::Open(form);
    QLineEdit* edit = form.Item<QLineEdit>(kI);
    edit->setFocus();
    edit->setSelection(1, 3);
    form.Recalculate();
    EXPECT_EQ(edit->selectedText(), "0.0");
}

TEST(FormCycle, EveryNewFormStartsFromTheDefaults) {
    {
        COhmsLawDlg form;
        harness::Open(form);
        harness::Click(form, 1011);
        harness::Enter(form, kU, "3");
    }
    COhmsLawDlg form;
    harness::Open(form);
    EXPECT_EQ(form.Modes(), std::vector<int>{0});
    EXPECT_EQ(harness::Text(form, kU), "12.00  ");
    EXPECT_EQ(harness::Text(form, kI), "10.00 m");
}

}  // namespace
