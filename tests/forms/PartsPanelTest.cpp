// The Parts panel on its own, offscreen: what it shows for a form with parts
// and one without, its keyboard, its remembered series and its button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

#include "engine/Recalculation.h"
#include "engine/oscillators/Astable555.h"
#include "engine/passive/Decibel.h"
#include "engine/semiconductors/ClassAAmp.h"
#include "forms/panels/PartsPanel.h"

namespace {

using engine::parts::OutputLine;
using forms::PartsPanel;

// The 555 astable asked for 1 kHz at 60 %: R1 28.86 K and R2 57.72 K, no standard values.
engine::FormState AstableForOneKilohertz() {
    const engine::FormModel& form = Astable555Model();
    engine::FormState state = engine::OpenedState(form);
    state.modes[0] = astable555::kCFAndDuty;
    state.texts[astable555::kF] = "1k";
    state.texts[astable555::kDuty] = "60";
    state.texts = engine::Recalculate(form, state).texts;
    return state;
}

class PartsPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("parts"));
    }
};

template <typename T>
T* Child(QWidget& panel, const char* name) {
    T* child = panel.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST_F(PartsPanelTest, ShowsStandardValuesStepsAndPutsThemIntoTheForm) {
    PartsPanel panel;
    panel.Update(Astable555Model(), AstableForOneKilohertz());
    panel.show();
    QApplication::processEvents();

    QComboBox* r1 = Child<QComboBox>(panel, "StandardR1");
    ASSERT_NE(r1, nullptr);
    EXPECT_EQ(r1->currentText(), QStringLiteral("30.00 K"));
    EXPECT_EQ(Child<QComboBox>(panel, "StandardR2")->currentText(), QStringLiteral("56.00 K"));
    // The deviation is in the table, as a table to assistive tools, and not repeated below it.
    auto* parts = Child<QTableWidget>(panel, "Parts");
    ASSERT_NE(parts, nullptr);
    EXPECT_EQ(parts->item(0, 4)->text(), QStringLiteral("+3.95 %"));
    EXPECT_TRUE(parts->item(0, 4)->font().bold());
    EXPECT_FALSE(Child<QLabel>(panel, "Marks")->text().contains(QStringLiteral("+3.95 %")));

    // Tab runs from the series through every part and its tolerance to the button.
    QComboBox* seriesR = Child<QComboBox>(panel, "SeriesR");
    seriesR->setFocus();
    QStringList chain;
    for (int i = 0; i < 9; ++i) {
        chain << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(chain, (QStringList{"SeriesR", "SeriesC", "StandardR1", "ToleranceR1", "StandardR2",
                                  "ToleranceR2", "StandardC", "ToleranceC", "UseStandardValues"}));

    // The key Up steps R1 to the standard value below.
    r1->setFocus();
    QTest::keyClick(r1, Qt::Key_Up);
    r1 = Child<QComboBox>(panel, "StandardR1");
    EXPECT_EQ(r1->currentText(), QStringLiteral("27.00 K"));
    EXPECT_EQ(panel.Report().parts[0].step, -1);

    QSignalSpy requested(&panel, &PartsPanel::StandardValuesRequested);
    QTest::mouseClick(Child<QPushButton>(panel, "UseStandardValues"), Qt::LeftButton);
    ASSERT_EQ(requested.count(), 1);
    const auto state = requested.at(0).at(0).value<engine::FormState>();
    EXPECT_EQ(state.modes[0], astable555::kR1R2AndC);
    EXPECT_EQ(state.texts[astable555::kR1], "27.00 K");
    EXPECT_EQ(state.texts[astable555::kR2], "56.00 K");

    // No text is cut: every label and every table column gets what it asks for,
    // also after another series made the values longer.
    seriesR->setCurrentIndex(seriesR->findText(QStringLiteral("E192")));
    QApplication::processEvents();
    for (const QLabel* label : panel.findChildren<QLabel*>()) {
        if (label->isVisible() && !label->wordWrap()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
    for (const QTableWidget* table : panel.findChildren<QTableWidget*>()) {
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem* item = table->item(row, column);
                if (item != nullptr) {
                    EXPECT_GE(table->columnWidth(column),
                              QFontMetrics(item->font()).horizontalAdvance(item->text()))
                        << item->text().toStdString();
                }
            }
        EXPECT_GE(table->height(), table->viewport()->height()) << table->objectName().toStdString();
        EXPECT_FALSE(table->verticalScrollBar()->isVisible());
    }
}

// A tolerance set for a part widens what the circuit does by exactly that
// part's share, and is remembered for that form's part.
TEST_F(PartsPanelTest, ToleranceOfEachPartIsSetAndRemembered) {
    const auto spreadOf = [](const PartsPanel& panel, const char* output) {
        for (const OutputLine& line : panel.Report().outputs)
            if (line.name == output)
                return line.max - line.min;
        return -1.0;
    };
    double wide = 0;
    {
        PartsPanel panel;
        panel.Update(Astable555Model(), AstableForOneKilohertz());
        QComboBox* tolerance = Child<QComboBox>(panel, "ToleranceC");
        ASSERT_NE(tolerance, nullptr);
        EXPECT_EQ(tolerance->currentText(), QStringLiteral("10 %"));  // capacitors unless told
        const double before = spreadOf(panel, "F");
        tolerance->setFocus();
        QTest::keyClick(tolerance, Qt::Key_Down);  // 20 %
        EXPECT_EQ(panel.Report().parts[2].tolerancePercent, 20);
        wide = spreadOf(panel, "F");
        EXPECT_GT(wide, before * 1.5);
        // F = 1.44 / ((R1 + 2 R2) C): C alone at +-20 % spans 1/0.8 - 1/1.2 of F's nominal, at least.
        double nominal = 0;
        for (const OutputLine& line : panel.Report().outputs)
            nominal = line.name == "F" ? line.nominal : nominal;
        EXPECT_GE(wide, nominal * (1 / 0.8 - 1 / 1.2) * 0.999);
    }
    PartsPanel again;
    again.Update(Astable555Model(), AstableForOneKilohertz());
    EXPECT_EQ(Child<QComboBox>(again, "ToleranceC")->currentText(), QStringLiteral("20 %"));
    EXPECT_DOUBLE_EQ(spreadOf(again, "F"), wide);
    EXPECT_EQ(Child<QComboBox>(again, "ToleranceR1")->currentText(), QStringLiteral("5 %"));
}

TEST_F(PartsPanelTest, RemembersTheSeriesAndSaysWhenAFormHasNoParts) {
    {
        PartsPanel panel;
        panel.Update(Astable555Model(), AstableForOneKilohertz());
        QComboBox* seriesR = Child<QComboBox>(panel, "SeriesR");
        seriesR->setCurrentIndex(seriesR->findText(QStringLiteral("E96")));
        EXPECT_EQ(Child<QComboBox>(panel, "StandardR1")->currentText(), QStringLiteral("28.70 K"));
    }
    PartsPanel panel;
    EXPECT_EQ(Child<QComboBox>(panel, "SeriesR")->currentText(), QStringLiteral("E96"));
    panel.Update(DecibelModel(), engine::OpenedState(DecibelModel()));
    EXPECT_FALSE(panel.Report().hasParts);
    EXPECT_FALSE(Child<QPushButton>(panel, "UseStandardValues")->isEnabled());
    EXPECT_EQ(panel.findChild<QComboBox*>(QStringLiteral("StandardR1")), nullptr);
}

// Screenshots for a look, in the light and a dark palette, when asked for.
TEST_F(PartsPanelTest, Screenshots) {
    const QString folder = qEnvironmentVariable("PARTS_PANEL_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "PARTS_PANEL_SHOTS names no folder";
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::Button})
        dark.setColor(role, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(0xf0, 0xf0, 0xf0));
    const QPalette light = QApplication::palette();
    for (const auto& [name, palette] : {std::pair{"light", light}, std::pair{"dark", dark}}) {
        QApplication::setPalette(palette);
        PartsPanel astable;
        astable.Update(Astable555Model(), AstableForOneKilohertz());
        astable.grab().save(folder + "/parts-astable-" + name + ".png");
        PartsPanel classA;
        classA.Update(ClassAAmpModel(), engine::OpenedState(ClassAAmpModel()));
        classA.grab().save(folder + "/parts-class-a-" + name + ".png");
    }
    QApplication::setPalette(light);
}

}  // namespace
