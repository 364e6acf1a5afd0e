// What assistive tools see: fields named after their labels, described
// pictures, and every control of a form within reach of the keyboard.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "app/AboutDlg.h"
#include "app/FormTable.h"
#include "forms/FormAccessibility.h"
#include "forms/oscillators/Astable555Dlg.h"
#include "forms/passive/OhmsLawDlg.h"
#include "forms/semiconductors/ClassAAmpDlg.h"
#include "platform/HelpFile.h"
#include "platform/PictureWidget.h"
#include "tests/support/FormHarness.h"

namespace {

// The name a screen reader announces for a control.
QString SpokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QString SpokenDescription(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Description) : QString();
}

struct NamedField {
    int id;
    const char* name;
};

void ExpectFieldNames(CCalcFormDlg& form, std::initializer_list<NamedField> fields) {
    for (const NamedField& field : fields) {
        auto* edit = form.Item<QLineEdit>(field.id);
        ASSERT_NE(edit, nullptr) << field.id;
        EXPECT_EQ(edit->accessibleName(), field.name) << field.id;
        EXPECT_EQ(SpokenName(edit), field.name) << field.id;
        // The label knows its field too: Alt+mnemonic and the "labelled by" relation.
        bool labelled = false;
        for (QLabel* label : form.findChildren<QLabel*>())
            labelled = labelled || label->buddy() == edit;
        EXPECT_TRUE(labelled) << field.id;
    }
}

TEST(Accessibility, FieldsAreNamedAfterTheLabelOnTheirLeft) {
    {
        COhmsLawDlg form;  // one label left of the schematic, three right of it
        harness::Open(form);
        ExpectFieldNames(form, {{1002, "U (V)"}, {1000, "I (A)"}, {1001, "R (ohm)"}, {1006, "P (W)"}});
    }
    {
        CAstable555Dlg form;  // two columns of fields
        harness::Open(form);
        ExpectFieldNames(
            form,
            {{1171, "R1 (ohm)"}, {1176, "R2 (ohm)"}, {1172, "C (Farad)"}, {1178, "T (s)"}, {1177, "Tl (s)"}});
    }
    {
        CClassAAmpDlg form;  // the status line: a short label far down the form
        harness::Open(form);
        ExpectFieldNames(form,
                         {{1100, "Vcc (V)"}, {1102, "B (T1 beta)"}, {1106, "Rl (ohm)"}, {1097, "Status"}});
    }
}

TEST(Accessibility, EveryFieldOfEveryFormHasItsOwnName) {
    for (const FormCommand& command : FormCommands()) {
        std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command.commandId);
        std::set<QString> names;
        for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
            EXPECT_FALSE(edit->accessibleName().isEmpty())
                << command.className << " " << edit->objectName().toStdString();
            EXPECT_TRUE(names.insert(edit->accessibleName()).second)
                << command.className << " names two fields " << edit->accessibleName().toStdString();
        }
    }
}

TEST(Accessibility, PicturesAreDescribedByTheCaption) {
    COhmsLawDlg form;
    harness::Open(form);
    // PictureWidget has no meta-object of its own: findChildren would take any widget.
    QList<QWidget*> pictures;
    for (QWidget* widget : form.findChildren<QWidget*>())
        if (dynamic_cast<platform::PictureWidget*>(widget))
            pictures.push_back(widget);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0]->accessibleDescription(), "Schematic: Ohm's Law");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(pictures[0]);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Description), "Schematic: Ohm's Law");
    CAboutDlg about;  // its picture is the logo
    about.Create(nullptr);
    for (QWidget* widget : about.findChildren<QWidget*>()) {
        if (dynamic_cast<platform::PictureWidget*>(widget)) {
            EXPECT_EQ(widget->accessibleDescription(), "Voltaris logo");
        }
    }
}

// Tab from the first control around the whole form: every enabled field and
// button, and each radio group, is reached; the cycle comes back to the start.
TEST(Accessibility, TabReachesEveryControlOfEveryForm) {
    for (const FormCommand& command : FormCommands()) {
        std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command.commandId);
        QWidget* start = form->focusWidget();
        ASSERT_NE(start, nullptr) << command.className;
        std::set<QWidget*> reached;
        for (int presses = 0; presses < 100; ++presses) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == start)
                break;
        }
        EXPECT_EQ(QApplication::focusWidget(), start) << command.className << ": Tab does not cycle";
        for (QWidget* control : form->findChildren<QWidget*>()) {
            const bool wanted = (qobject_cast<QLineEdit*>(control) || qobject_cast<QPushButton*>(control)) &&
                                control->isEnabled() && control->focusPolicy() & Qt::TabFocus;
            if (wanted) {
                EXPECT_TRUE(reached.count(control))
                    << command.className << " " << control->objectName().toStdString();
            }
        }
        // Tab enters a radio group on its checked button, as classic dialogs do.
        for (QRadioButton* radio : form->findChildren<QRadioButton*>()) {
            if (!radio->isChecked())
                continue;
            EXPECT_TRUE(reached.count(radio))
                << command.className << " " << radio->objectName().toStdString();
        }
    }
}

// Space on a focused radio button switches the mode, as a click does.
TEST(Accessibility, SpaceOnARadioButtonSwitchesTheMode) {
    COhmsLawDlg form;
    harness::Open(form);
    constexpr int kRandU = 1007, kU = 1002, kP = 1006;
    ASSERT_FALSE(harness::Enabled(form, kU));
    form.GetDlgItem(kRandU)->setFocus();
    QTest::keyClick(form.GetDlgItem(kRandU), Qt::Key_Space);
    EXPECT_TRUE(form.Item<QRadioButton>(kRandU)->isChecked());
    EXPECT_TRUE(harness::Enabled(form, kU));
    EXPECT_FALSE(harness::Enabled(form, kP));
}

// Every "What do you know ?" button, and every other radio button, is a radio
// button to assistive tools, described by the caption of the frame around it.
TEST(Accessibility, RadioButtonsAreRadioButtonsOfTheirFrame) {
    for (const FormCommand& command : FormCommands()) {
        std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command.commandId);
        for (QRadioButton* radio : form->findChildren<QRadioButton*>()) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(radio);
            ASSERT_NE(accessible, nullptr);
            EXPECT_EQ(accessible->role(), QAccessible::RadioButton) << command.className;
            EXPECT_EQ(accessible->state().checked, radio->isChecked()) << command.className;
            QString frame;
            for (QGroupBox* box : form->findChildren<QGroupBox*>())
                if (box->geometry().contains(radio->geometry()))
                    frame = box->title();
            EXPECT_FALSE(frame.isEmpty()) << command.className << " " << radio->objectName().toStdString();
            EXPECT_EQ(accessible->text(QAccessible::Description), frame) << command.className;
        }
        const bind::FormBinding& binding = form->Binding();
        if (!binding.modeIds.empty()) {
            EXPECT_EQ(form->GetDlgItem(binding.modeIds[0].front())->accessibleDescription(),
                      "What do you know ?")
                << command.className;
        }
    }
}

TEST(Accessibility, ListBoxesAreNamedAfterTheTextAboveThem) {
    CClassAAmpDlg form;
    harness::Open(form);
    QStringList names;
    for (QListWidget* list : form.findChildren<QListWidget*>())
        names << SpokenName(list);
    names.sort();
    EXPECT_EQ(names, QStringList({"Components values", "Operating parameters"}));
}

// The rows of a help topic's field table, as the descriptions read them.
TEST(Accessibility, HelpFieldTableGivesEachFieldItsQuantity) {
    const QString html = QStringLiteral(
        "<h2>What do you know ?</h2><table><tr><td>R (ohm)</td><td>not a field row</td></tr></table>"
        "<h2>Fields</h2>\n<table border=\"1\">\n<tr><th>Field</th><th>Quantity</th></tr>\n"
        "<tr><td>R (ohm)</td><td>resistance</td><td>ohm</td></tr>\n"
        "<tr><td>Ta (&deg;C)</td><td>ambient\n temperature</td></tr>"
        "<tr><td>T (s)</td><td>period, Th + Tl (always computed)</td></tr>"
        "<tr><td>U1 (V), U2 (V)</td><td>voltage across C1, across C2</td></tr>"
        "<tr><td>I1 (A), I2 (A)</td><td>current through R1, R2, in parallel</td></tr>"
        "<tr><td>Status</td><td></td></tr></table>"
        "<table><tr><td>F (Hz)</td><td>after the table</td></tr></table>");
    const std::map<QString, QString> expected{
        {"R (ohm)", "resistance"},
        {QString::fromUtf8("Ta (\u00b0C)"), "ambient temperature"},
        {"T (s)", "period, Th + Tl (always computed)"},  // one field: its commas stay
        {"U1 (V)", "voltage across C1"},
        {"U2 (V)", "voltage across C2"},
        {"I1 (A)", "current through R1, R2, in parallel"},  // parts do not pair up: all of it
        {"I2 (A)", "current through R1, R2, in parallel"},
    };
    EXPECT_EQ(HelpFieldDescriptions(html), expected);
    EXPECT_TRUE(
        HelpFieldDescriptions(QStringLiteral("<h1>No fields</h1><table><tr><td>a</td><td>b</td></tr>"))
            .empty());
    EXPECT_TRUE(HelpFieldDescriptions(QStringLiteral("<h2>Fields</h2><table><tr><td>unclosed")).empty());
}

// The help file shipped with the program describes every field of every form.
TEST(Accessibility, EveryFieldIsDescribedByTheHelp) {
    const std::optional<platform::HelpFile> help = platform::HelpFile::Load(VOLTARIS_HELP_FILE);
    ASSERT_TRUE(help.has_value());
    for (const FormCommand& command : FormCommands()) {
        std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command.commandId);
        DescribeFields(*form, &*help, form->Binding().HelpTopic());
        for (QLineEdit* edit : form->findChildren<QLineEdit*>())
            EXPECT_FALSE(SpokenDescription(edit).isEmpty())
                << command.className << " " << edit->accessibleName().toStdString();
    }
}

// What a screen reader reads of the form itself: the value of each field
// the user cannot type in, and of no other, after every recalculation.
TEST(Accessibility, TheFormDescriptionReadsTheFieldsThatAreNotTyped) {
    for (const FormCommand& command : FormCommands()) {
        std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command.commandId);
        const std::vector<int> firstGroup =
            form->Binding().modeIds.empty() ? std::vector<int>{} : form->Binding().modeIds[0];
        for (size_t mode = 0; mode <= firstGroup.size(); ++mode) {
            if (mode > 0)
                harness::Click(*form, firstGroup[mode - 1]);
            const QString spoken = SpokenDescription(form.get());
            for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
                const QString reading = edit->accessibleName() + " = " + edit->text().trimmed();
                EXPECT_EQ(spoken.contains(reading), !edit->isEnabled())
                    << command.className << " mode " << mode << ": " << spoken.toStdString() << " / "
                    << reading.toStdString();
            }
            const bind::FormBinding& binding = form->Binding();  // enabled as the engine says, nothing more
            for (size_t i = 0; i < binding.fieldIds.size(); ++i)
                EXPECT_EQ(harness::Enabled(*form, binding.fieldIds[i]), form->LastResult().enabled[i]);
        }
    }
    COhmsLawDlg form;  // at opening R and I are known
    harness::Open(form);
    EXPECT_EQ(SpokenDescription(&form), "Results: U (V) = 12.00, P (W) = 120.00 m");
    harness::Enter(form, 1000, "20m");
    EXPECT_EQ(SpokenDescription(&form), "Results: U (V) = 24.00, P (W) = 480.00 m");
}

}  // namespace
