// The Parts panel on its own, offscreen: what it shows for a form with parts
// and one without, its keyboard, its remembered series and its button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "engine/Recalculation.h"
#include "engine/oscillators/Astable555.h"
#include "engine/passive/Decibel.h"
#include "engine/semiconductors/ClassAAmp.h"
#include "forms/panels/PartsPanel.h"

namespace {

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
    CPartsPanel panel;
    panel.Update(Astable555Model(), AstableForOneKilohertz());
    panel.show();
    QApplication::processEvents();

    QComboBox* r1 = Child<QComboBox>(panel, "StandardR1");
    ASSERT_NE(r1, nullptr);
    EXPECT_EQ(r1->currentText(), QStringLiteral("30.00 K"));
    EXPECT_EQ(Child<QComboBox>(panel, "StandardR2")->currentText(), QStringLiteral("56.00 K"));
    // The +3.95 % of R1 is in its row, not repeated among the marks.
    EXPECT_FALSE(Child<QLabel>(panel, "Marks")->text().contains(QStringLiteral("+3.95 %")));

    // Tab runs from the series through every part to the button.
    QComboBox* seriesR = Child<QComboBox>(panel, "SeriesR");
    seriesR->setFocus();
    QStringList chain;
    for (int i = 0; i < 6; ++i) {
        chain << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(chain, (QStringList{"SeriesR", "SeriesC", "StandardR1", "StandardR2", "StandardC",
                                  "UseStandardValues"}));

    // The key Up steps R1 to the standard value below.
    r1->setFocus();
    QTest::keyClick(r1, Qt::Key_Up);
    r1 = Child<QComboBox>(panel, "StandardR1");
    EXPECT_EQ(r1->currentText(), QStringLiteral("27.00 K"));
    EXPECT_EQ(panel.Report().parts[0].step, -1);

    QSignalSpy requested(&panel, &CPartsPanel::StandardValuesRequested);
    QTest::mouseClick(Child<QPushButton>(panel, "UseStandardValues"), Qt::LeftButton);
    ASSERT_EQ(requested.count(), 1);
    const auto state = requested.at(0).at(0).value<engine::FormState>();
    EXPECT_EQ(state.modes[0], astable555::kR1R2AndC);
    EXPECT_EQ(state.texts[astable555::kR1], "27.00 K");
    EXPECT_EQ(state.texts[astable555::kR2], "56.00 K");

    // No text is cut: every label gets at least the width it asks for.
    for (const QLabel* label : panel.findChildren<QLabel*>()) {
        if (label->isVisible()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
}

TEST_F(PartsPanelTest, RemembersTheSeriesAndSaysWhenAFormHasNoParts) {
    {
        CPartsPanel panel;
        panel.Update(Astable555Model(), AstableForOneKilohertz());
        QComboBox* seriesR = Child<QComboBox>(panel, "SeriesR");
        seriesR->setCurrentIndex(seriesR->findText(QStringLiteral("E96")));
        EXPECT_EQ(Child<QComboBox>(panel, "StandardR1")->currentText(), QStringLiteral("28.70 K"));
    }
    CPartsPanel panel;
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
        CPartsPanel astable;
        astable.Update(Astable555Model(), AstableForOneKilohertz());
        astable.grab().save(folder + "/parts-astable-" + name + ".png");
        CPartsPanel classA;
        classA.Update(ClassAAmpModel(), engine::OpenedState(ClassAAmpModel()));
        classA.grab().save(folder + "/parts-class-a-" + name + ".png");
    }
    QApplication::setPalette(light);
}

}  // namespace
