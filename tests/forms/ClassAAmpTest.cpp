#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/EngValue.h"
#include "forms/semiconductors/ClassAAmpDlg.h"
#include "platform/DataExchange.h"
#include "tests/support/FormHarness.h"

using namespace class_a;

namespace {

// Control ids: Vcc 1100, Rc 1101, B 1102, Vin 1103, Vout 1104, Fmin 1105,
// Rl 1106, status 1097, "With load" 1093, "Maximum gain" 1094, lists 1095
// (components) and 1096 (operating parameters).
std::vector<std::string> Lines(const CCalcFormDlg& form, int id) {
    std::vector<std::string> lines;
    const auto* list = form.Item<QListWidget>(id);
    for (int row = 0; row < list->count(); ++row)
        lines.push_back(platform::ToFieldText(list->item(row)->text()));
    return lines;
}

bool Checked(const CCalcFormDlg& form, int id) {
    return form.Item<QCheckBox>(id)->isChecked();
}

TEST(ClassAAmpForm, OpensDesigned) {
    std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(32797);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->objectName(), "CClassAAmpDlg");
    EXPECT_EQ(form->windowTitle(), "Class A amplifier");
    const std::pair<int, const char*> fields[] = {{1100, "12.00  "}, {1102, "100.00  "}, {1103, "100.00 m"},
                                                  {1104, "10.00  "}, {1105, "20.00  "},  {1101, "220.00  "},
                                                  {1106, "47.00 K"}, {1097, "Ok !"}};
    for (const auto& [id, text] : fields)
        EXPECT_EQ(harness::Text(*form, id), text) << id;
    EXPECT_TRUE(Checked(*form, 1094));
    EXPECT_FALSE(Checked(*form, 1093));
    EXPECT_FALSE(harness::Enabled(*form, 1104));
    EXPECT_FALSE(harness::Enabled(*form, 1106));
    const std::vector<std::string> components = {"Resistors :",       "",
                                                 "Rc = 220.00   ohm", "Re = 989.88 m ohm",
                                                 "Rv = 36.38   ohm",  "Rb = 3.77 K ohm",
                                                 "Rx = 657.37   ohm", "",
                                                 "Capacitors :",      "Cin  = 50.40 \xB5 F",
                                                 "Cout = 7.96 n F",   "Cby  = 1.24 m F"};
    // clang-format off
    const std::vector<std::string> operating = {
        "Impedances :", "", "in = 157.90   ohm", "out= 220.00   ohm", "w/l= 219.95   ohm", "",
        "Quiescent current :", "C = 25.01 m A", "B = 250.06 \xB5 A", "",
        "Quiescent voltages :", "Vcc = 12.00   V", "C = 6.50   V", "E = 943.79 m V", "B = 1.64   V", "",
        "Signal voltages :", "Inp = 100.00 m V", "Out = 10.00   V", "Gain= 100.00  ", "",
        "Max power :", "Pmax= 138.16 m W"};
    // clang-format on
    EXPECT_EQ(Lines(*form, 1095), components);
    EXPECT_EQ(Lines(*form, 1096), operating);
    // The same inputs give the same design on every later run.
    harness::Key(*form, 1100, Qt::Key_Return);
    EXPECT_EQ(Lines(*form, 1095), components);
    EXPECT_EQ(Lines(*form, 1096), operating);
}

TEST(ClassAAmpForm, MaximumGainOffTakesTheShownVout) {
    std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(32797);
    harness::Click(*form, 1094);
    EXPECT_TRUE(harness::Enabled(*form, 1104));
    EXPECT_EQ(harness::Text(*form, 1104), "10.00  ");
    EXPECT_EQ(Lines(*form, 1096)[19], "Gain= 100.00  ");
    harness::Enter(*form, 1104, "1");
    EXPECT_EQ(Lines(*form, 1096)[19], "Gain= 10.00  ");
    EXPECT_EQ(harness::Text(*form, 1097), "Ok !");
    harness::Enter(*form, 1104, "20");  // above B: cut back to 10 V
    EXPECT_EQ(harness::Text(*form, 1104), "10.00  ");
    EXPECT_EQ(harness::Text(*form, 1097), "Gain reduced by low transistor beta.");
    harness::Click(*form, 1094);
    EXPECT_FALSE(harness::Enabled(*form, 1104));
}

TEST(ClassAAmpForm, WithLoadKeepsTheTypedLoad) {
    std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(32797);
    harness::Click(*form, 1093);
    EXPECT_TRUE(harness::Enabled(*form, 1106));
    EXPECT_EQ(Lines(*form, 1096)[4], "w/l= 218.98   ohm");
    EXPECT_EQ(Lines(*form, 1095)[6], "Rx = 644.68   ohm");
    EXPECT_EQ(Lines(*form, 1095)[10], "Cout = 169.31 n F");
    harness::Enter(*form, 1106, "10k");
    EXPECT_EQ(Lines(*form, 1096)[4], "w/l= 215.26   ohm");
    harness::Click(*form, 1093);
    EXPECT_FALSE(harness::Enabled(*form, 1106));
    EXPECT_EQ(harness::Text(*form, 1106), "10.00 K");
    EXPECT_EQ(Lines(*form, 1096)[4], "w/l= 219.95   ohm");
    EXPECT_EQ(Lines(*form, 1095)[10], "Cout = 7.96 n F");
    harness::Click(*form, 1093);
    EXPECT_EQ(harness::Text(*form, 1106), "10.00 K");
    EXPECT_EQ(Lines(*form, 1096)[4], "w/l= 215.26   ohm");
}

TEST(ClassAAmpForm, NonOperatingStillNormalisesTheInputs) {
    std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(32797);
    harness::Click(*form, 1094);
    harness::Type(*form, 1103, "1");
    harness::Enter(*form, 1104, ".5");
    EXPECT_EQ(harness::Text(*form, 1097), "Non operating conditions ! Lower Vin or raise Vcc.");
    EXPECT_EQ(harness::Text(*form, 1103), "1.00  ");
    EXPECT_EQ(harness::Text(*form, 1104), "500.00 m");
    EXPECT_EQ(Lines(*form, 1095), std::vector<std::string>{"Non operating !"});
    EXPECT_EQ(Lines(*form, 1096), std::vector<std::string>{"Non operating !"});
    harness::Enter(*form, 1104, "1");
    EXPECT_EQ(harness::Text(*form, 1097), "Ok !");
    harness::Enter(*form, 1102, "0");  // no transistor gain: nothing to design
    EXPECT_EQ(harness::Text(*form, 1102), "0  ");
    EXPECT_EQ(Lines(*form, 1095), std::vector<std::string>{"Non operating !"});
}

// Every line, with its value at its widest ("888.88 M": digits share one
// advance and M is the widest prefix), fits its list without scrolling
// sideways, as does the longest status in its field.
TEST(ClassAAmpForm, EveryLineFitsItsList) {
    std::unique_ptr<CCalcFormDlg> form = harness::OpenCommand(32797);
    const QRegularExpression value(QStringLiteral("\\d+\\.\\d\\d [ KMm\\x{B5}np]"));
    for (int id : {1095, 1096}) {
        const auto* list = form->Item<QListWidget>(id);
        const int room =
            list->viewport()->width() -
            (list->verticalScrollBar()->isVisible() ? 0 : list->verticalScrollBar()->sizeHint().width());
        for (int row = 0; row < list->count(); ++row) {
            QString widest = list->item(row)->text();
            widest.replace(value, QStringLiteral("888.88 M"));
            EXPECT_LT(list->fontMetrics().horizontalAdvance(widest) + 6, room)
                << id << " " << widest.toStdString();
        }
    }
    const auto* status = form->Item<QLineEdit>(1097);
    EXPECT_LT(status->fontMetrics().horizontalAdvance(
                  QStringLiteral("Non operating conditions ! Lower Vin or raise Vcc.")) +
                  8,
              status->width());
}

}  // namespace
