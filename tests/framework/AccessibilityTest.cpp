// What assistive tools see: fields named after their labels, described
// pictures, and every control of a form within reach of the keyboard.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "app/AboutDlg.h"
#include "app/FormTable.h"
#include "forms/oscillators/Astable555Dlg.h"
#include "forms/passive/OhmsLawDlg.h"
#include "forms/semiconductors/ClassAAmpDlg.h"
#include "platform/PictureWidget.h"
#include "tests/support/FormHarness.h"

namespace {

// The name a screen reader announces for a control.
QString SpokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
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
        if (command.create == nullptr)
            continue;
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
        if (command.create == nullptr)
            continue;
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

}  // namespace
