// The keys of a classic dialog on a calculator form (Ohm's law as the example).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "forms/FormPanels.h"
#include "forms/oscillators/Astable555Dlg.h"
#include "forms/passive/OhmsLawDlg.h"
#include "platform/MessageBox.h"
#include "res/ids/Astable555Ids.h"
#include "tests/support/FormHarness.h"
#include "tests/support/HelpRecorder.h"

namespace {

namespace a555 = ids::astable555;
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

// What a key opened over the form: the entries of a menu ("-" between groups,
// "(off)" after a disabled one) or the caption of a file dialog. It is read
// from the loop the menu or dialog runs, then closed.
class PopupReader {
  public:
    PopupReader() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    seen += (seen.isEmpty() ? "" : " | ") +
                            (action->isSeparator() ? "-"
                                                   : action->text() + (action->isEnabled() ? "" : " (off)"));
                menu->close();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                seen = "file dialog: " + dialog->windowTitle();
                dialog->reject();
            }
        });
        poll_.start(10);
    }
    QString seen;

  private:
    QTimer poll_;
};

enum class Input { Key, MenuRequest, RightClick };

// Keys in a form and in its panels, as real key events to the focused
// control; the Menu key also as the X11 platform delivers it (a keyboard
// context menu request to the focused control).
TEST(FormKeyboard, HelpEnterAndMenuKeysWhereverTheFocusIs) {
    const QString formMenu =
        "&Parts panel | P&lot panel | - | Copy &values | Copy SPICE &netlist | &Save SPICE netlist...";
    const QString fieldMenu = "Cu&t\tCtrl+X | &Copy\tCtrl+C | P&aste\tCtrl+V | - | " + formMenu;
    const QString fieldMenuNoSelection =
        "Cu&t\tCtrl+X (off) | &Copy\tCtrl+C (off) | P&aste\tCtrl+V | - | " + formMenu;
    auto item = [](int id) { return [id](CCalcFormDlg& form) { return form.GetDlgItem(id); }; };
    auto panelButton = [](const char* text) {
        return [text](CCalcFormDlg& form) -> QWidget* {
            for (QPushButton* button : form.Panels()->Side()->findChildren<QPushButton*>())
                if (button->text().remove('&').startsWith(QLatin1String(text)))
                    return button;
            return nullptr;
        };
    };
    const struct {
        const char* what;
        std::function<QWidget*(CCalcFormDlg&)> focus;
        Input input;
        int key;
        Qt::KeyboardModifiers modifiers;
        std::vector<int> topics;  // asked of the help viewer
        QString popup;            // what opened over the form
    } cases[] = {
        {"F1 in a field", item(a555::kEditR1), Input::Key, Qt::Key_F1, Qt::NoModifier, {110}, ""},
        {"F1 on a radio button",
         item(a555::kModeR1R2AndC),
         Input::Key,
         Qt::Key_F1,
         Qt::NoModifier,
         {110},
         ""},
        {"F1 on Close", item(a555::kClose), Input::Key, Qt::Key_F1, Qt::NoModifier, {110}, ""},
        {"F1 in the Parts panel",
         panelButton("Use standard"),
         Input::Key,
         Qt::Key_F1,
         Qt::NoModifier,
         {110},
         ""},
        {"Shift+F1", item(a555::kEditR1), Input::Key, Qt::Key_F1, Qt::ShiftModifier, {}, ""},
        {"Enter on Help", item(a555::kHelp), Input::Key, Qt::Key_Return, Qt::NoModifier, {110}, ""},
        {"Enter on Save PNG...",
         panelButton("Save PNG"),
         Input::Key,
         Qt::Key_Return,
         Qt::NoModifier,
         {},
         "file dialog: Save the plot as PNG"},
        {"Enter on Save SVG...",
         panelButton("Save SVG"),
         Input::Key,
         Qt::Key_Enter,
         Qt::KeypadModifier,
         {},
         "file dialog: Save the plot as SVG"},
        {"Menu key in a field", item(a555::kEditR1), Input::Key, Qt::Key_Menu, Qt::NoModifier, {}, fieldMenu},
        {"Shift+F10 in a field",
         item(a555::kEditR1),
         Input::Key,
         Qt::Key_F10,
         Qt::ShiftModifier,
         {},
         fieldMenu},
        {"the X11 Menu key in a field",
         item(a555::kEditR1),
         Input::MenuRequest,
         0,
         Qt::NoModifier,
         {},
         fieldMenu},
        {"right click in a field",
         item(a555::kEditC),
         Input::RightClick,
         0,
         Qt::NoModifier,
         {},
         fieldMenuNoSelection},
        {"Menu key on Close", item(a555::kClose), Input::Key, Qt::Key_Menu, Qt::NoModifier, {}, formMenu},
    };
    QApplication::clipboard()->setText("1k");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HelpRecorder help;
        CAstable555Dlg form;
        harness::Open(form);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.Panels()->SetPartsOpen(true);
        form.Panels()->SetPlotOpen(true);
        QWidget* target = c.focus(form);
        ASSERT_NE(target, nullptr);
        // A field entered with Tab has its text selected, one clicked into not.
        target->setFocus(c.input == Input::RightClick ? Qt::MouseFocusReason : Qt::TabFocusReason);
        PopupReader popup;
        if (c.input == Input::Key) {
            QTest::keyClick(target, static_cast<Qt::Key>(c.key), c.modifiers);
        } else if (c.input == Input::MenuRequest) {
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(0, 0),
                                      target->mapToGlobal(QPoint(0, 0)));
            QCoreApplication::sendEvent(target, &request);
        } else {
            QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                      target->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(target, &request);
        }
        QTest::qWait(30);
        EXPECT_EQ(help.topics, c.topics);
        EXPECT_EQ(popup.seen.toStdString(), c.popup.toStdString());
        EXPECT_TRUE(form.isVisible());
    }
}

TEST(FormKeyboard, EnterOnUseStandardValuesPutsThemIntoTheForm) {
    CAstable555Dlg form;
    harness::Open(form);
    harness::Click(form, a555::kModeCFAndDuty);
    harness::Type(form, a555::kEditF, "1k");
    harness::Enter(form, a555::kEditDuty, "60");
    form.Panels()->SetPartsOpen(true);
    QPushButton* use = form.Panels()->Side()->findChild<QPushButton*>(QStringLiteral("UseStandardValues"));
    ASSERT_NE(use, nullptr);
    use->setFocus();
    QTest::keyClick(use, Qt::Key_Return);
    EXPECT_TRUE(form.Item<QRadioButton>(a555::kModeR1R2AndC)->isChecked());
    EXPECT_EQ(harness::Text(form, a555::kEditR1), "30.00 K");
    EXPECT_TRUE(form.isVisible());
}

// The field's entries act on the field the menu was opened for.
TEST(FormKeyboard, FieldEntriesOfTheFormsMenuCutCopyAndPaste) {
    const struct {
        const char* entry;
        QString clipboardBefore, fieldAfter, clipboardAfter;
    } cases[] = {
        {"Cu&t\tCtrl+X", "x", "", "2.20 K"},
        {"&Copy\tCtrl+C", "x", "2.20 K", "2.20 K"},
        {"P&aste\tCtrl+V", "2.2k", "2.2k", "2.2k"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        CAstable555Dlg form;
        harness::Open(form);
        auto* field = form.Item<QLineEdit>(a555::kEditR1);
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QApplication::clipboard()->setText(c.clipboardBefore);
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions())
                if (action->text() == QLatin1String(c.entry))
                    action->trigger();
            menu->close();
        });
        QTest::keyClick(field, Qt::Key_Menu);
        EXPECT_EQ(field->text().toStdString(), c.fieldAfter.toStdString());
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.clipboardAfter.toStdString());
    }
}

// A screen reader reads the form's menu the second time as the first: the
// same menu, its entries children of it.
TEST(FormKeyboard, TheFormsMenuStaysReadableWhenOpenedAgain) {
    COhmsLawDlg form;
    harness::Open(form);
    std::vector<QStringList> readings;
    for (int opening = 0; opening < 2; ++opening) {
        QTimer::singleShot(0, [&] {
            QWidget* menu = QApplication::activePopupWidget();
            ASSERT_NE(menu, nullptr);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
            ASSERT_NE(iface, nullptr);
            QStringList names;
            for (int i = 0; i < iface->childCount(); ++i) {
                QAccessibleInterface* child = iface->child(i);
                names << (child == nullptr           ? "(none)"
                          : child->parent() != iface ? "(elsewhere)"
                                                     : child->text(QAccessible::Name));
            }
            readings.push_back(names);
            menu->close();
        });
        QTest::keyClick(form.GetDlgItem(kClose), Qt::Key_F10, Qt::ShiftModifier);
    }
    ASSERT_EQ(readings.size(), 2u);
    EXPECT_EQ(readings[0].size(), 6);  // five entries and a separator
    EXPECT_TRUE(readings[0].contains("Copy values"));
    EXPECT_EQ(readings[1].join(" | ").toStdString(), readings[0].join(" | ").toStdString());
}

}  // namespace
