// Hostile text typed or pasted into every field of every form in the menu
// table, in every mode: the form must not crash or hang, every field must
// afterwards show field notation, and the form must go on computing as before.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <set>
#include <string>
#include <vector>

#include "app/FormTable.h"
#include "core/EngValue.h"
#include "forms/CalcFormDlg.h"
#include "fuzz/Notation.h"
#include "tests/support/FormHarness.h"

namespace {

const QString kMicro = QString(QChar(0x03BC));  // Greek small mu, as many keyboards type it

// 100 000 characters pasted; the field keeps the first 32767 of them. Laying
// out such a line is slow, so each field gets one of these once per form.
std::vector<QString> LongTexts() {
    return {QString(100000, QLatin1Char('7')), QString("4.7k").repeated(25000),
            QString(100000, QChar(0x00FF))};
}

// What users paste and type by accident or on purpose.
std::vector<QString> HostileTexts() {
    return {
        QString("\t\r\n\x01\x02\x1b\x7f 5"),
        QString(QChar(0)) + "12",
        QString("12") + QChar(0) + "k",
        QString("4.7") + kMicro,
        QString::fromUtf8("5\xF0\x9F\x98\x80"),  // an emoji after the number
        QString::fromUtf8("\xF0\x9F\x98\x80"),
        QString::fromUtf8("\xE2\x80\x8B"
                          "3.3k"),  // zero-width space first
        "     ",
        " ",
        "-",
        "+",
        ".",
        "e",
        "1e",
        "1e99999",
        "-1e99999",
        "1e-99999",
        "3.4e38k",
        "nan",
        "inf",
        "-inf",
        "0x1p3",
        "0x10",
        "9999999.9",
        "Error",
        "1,5k",
        "--5",
        "1e+",
    };
}

// Pastes over the whole field, as Ctrl+A then Ctrl+V would.
void Paste(CCalcFormDlg& form, int id, const QString& text) {
    auto* edit = form.Item<QLineEdit>(id);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

struct Field {
    int id;
    bool notation;  // false for a status line
};

std::vector<Field> Fields(const CCalcFormDlg& form) {
    std::vector<Field> fields;
    for (const int id : form.Binding().fieldIds)
        fields.push_back({id, notation::IsFieldText(harness::Text(form, id))});
    return fields;
}

// Every button that changes what a form computes: each radio button, then
// the check boxes that recalculate.
std::vector<int> ModeButtons(const CCalcFormDlg& form) {
    std::vector<int> ids;
    for (const std::vector<int>& group : form.Binding().modeIds)
        ids.insert(ids.end(), group.begin(), group.end());
    const std::vector<int>& checks = form.Binding().checkIds;
    ids.insert(ids.end(), checks.begin(), checks.end());
    return ids;
}

void ExpectNotation(const CCalcFormDlg& form, const std::vector<Field>& fields, const std::string& context) {
    for (const Field& field : fields) {
        const std::string text = harness::Text(form, field.id);
        if (field.notation)
            EXPECT_TRUE(notation::IsFieldText(text)) << context << " field " << field.id << ": " << text;
        else
            EXPECT_FALSE(text.empty()) << context << " field " << field.id;
    }
}

TEST(HostileInput, EveryFieldOfEveryFormInEveryMode) {
    int forms = 0;
    int recalculations = 0;
    for (const FormCommand& command : FormCommands()) {
        ++forms;
        std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(command.commandId);
        const std::vector<std::string> opening = form->FieldTexts();
        const std::vector<Field> fields = Fields(*form);
        const std::vector<int> buttons = ModeButtons(*form);
        const std::vector<QString> longTexts = LongTexts();
        std::set<int> pastedLong;
        auto recalculateWith = [&](int id, const QString& text) {
            Paste(*form, id, text);
            harness::Key(*form, id, recalculations % 2 ? Qt::Key_Tab : Qt::Key_Return);
            ++recalculations;
            ExpectNotation(*form, fields,
                           std::string(command.className) + " after " + text.left(12).toStdString());
        };
        for (int button : buttons) {
            harness::Click(*form, button);
            for (const Field& field : fields) {
                if (field.notation && harness::Enabled(*form, field.id) && pastedLong.insert(field.id).second)
                    recalculateWith(field.id, longTexts[pastedLong.size() % longTexts.size()]);
            }
            for (const QString& text : HostileTexts()) {
                for (const Field& field : fields) {
                    if (field.notation && harness::Enabled(*form, field.id))
                        recalculateWith(field.id, text);
                }
            }
        }
        // Back to the defaults: the form computes what it showed at opening.
        for (const int check : form->Binding().checkIds)
            harness::Click(*form, check);  // each check box clicked twice in all
        for (size_t g = 0; g < form->Form().radioGroups.size(); ++g)
            harness::Click(*form, form->Binding().modeIds[g].at(
                                      static_cast<size_t>(form->Form().radioGroups[g].defaultIndex)));
        for (size_t i = 0; i < fields.size(); ++i)
            harness::Type(*form, fields[i].id, form->Form().fields[i].defaultText);
        for (const Field& field : fields) {
            if (field.notation && harness::Enabled(*form, field.id)) {
                harness::Key(*form, field.id, Qt::Key_Return);
                break;
            }
        }
        EXPECT_EQ(form->FieldTexts(), opening) << command.className;
        EXPECT_TRUE(form->isVisible()) << command.className;
    }
    EXPECT_GT(forms, 0);
    std::printf("%d forms, %d hostile recalculations\n", forms, recalculations);
}

// What particular hostile texts become in an input field (R of Ohm's law).
TEST(HostileInput, WhatAnInputFieldShows) {
    struct Case {
        QString typed;
        const char* shown;
    };
    const Case cases[] = {
        {QString("4.7") + kMicro, "4.70 \xB5"},
        {QString("100") + kMicro + "  ", "100.00 \xB5"},
        {QString::fromUtf8("5\xF0\x9F\x98\x80"), "5.00  "},  // the emoji is no prefix
        {"\t\n 3.3k", "3.30 K"},
        {"     ", "0  "},
        {"-", "0  "},
        {"e", "0  "},
        {"nan", "0  "},
        {"inf", "0  "},
        {"0x1p3", "0  "},
        {"0x10", "0  "},
        {"1e-99999", "0  "},
        {"1e99999", "Error"},      // beyond a 32-bit float: infinite, which no field can show
        {"9999999.9", "10.00 M"},  // read as a 32-bit float: 10000000, not the error marker
        {QString(100000, QLatin1Char('1')), "Error"},
    };
    std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(32772);
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases) {
        Paste(*form, 1001, c.typed);
        harness::Key(*form, 1001, Qt::Key_Return);
        EXPECT_EQ(harness::Text(*form, 1001), c.shown) << c.typed.left(12).toStdString();
    }
}

// The Greek mu typed as a key, not pasted, reads as the micro prefix too.
TEST(HostileInput, GreekMuTypedIsTheMicroPrefix) {
    std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(32772);
    ASSERT_NE(form, nullptr);
    harness::Type(*form, 1001, "47");
    QTest::sendKeyEvent(QTest::Click, form->GetDlgItem(1001), Qt::Key_unknown, kMicro, Qt::NoModifier);
    harness::Key(*form, 1001, Qt::Key_Return);
    EXPECT_EQ(harness::Text(*form, 1001), "47.00 \xB5");
}

}  // namespace
