// "Best combinations" in the Parts panel, driven from the keyboard alone on
// real forms: the search runs beside the form, its top rows are the engine's
// for the same problem, Use puts the chosen row into the form, and a search
// cancelled, outdated by a recalculation or left running when the form
// closes stops cleanly.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "core/EngValue.h"
#include "engine/design/Search.h"
#include "engine/design/Yield.h"
#include "engine/filters/RcFilter.h"
#include "engine/filters/RcLowPass.h"
#include "engine/oscillators/Astable555.h"
#include "forms/FormPanels.h"
#include "forms/panels/DesignSection.h"
#include "forms/panels/PlotPanel.h"
#include "res/ids/Astable555Ids.h"
#include "res/ids/RcHighPassIds.h"
#include "res/ids/RcLowPassIds.h"
#include "tests/support/FormHarness.h"

namespace {

using namespace engine::design;

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

// Tab until the control of that name has the focus; false after a round without it.
bool TabTo(const QString& name) {
    for (int i = 0; i < 60; ++i) {
        if (QApplication::focusWidget() != nullptr && QApplication::focusWidget()->objectName() == name)
            return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return false;
}

bool WaitUntilIdle(const forms::DesignSection& design, int ms = 120000) {
    QDeadlineTimer deadline(ms);
    while (design.Running() && !deadline.hasExpired())
        QTest::qWait(10);
    return !design.Running();
}

struct Opened {
    std::unique_ptr<CCalcFormDlg> form;
    forms::DesignSection* design = nullptr;
};

// The form, in a mode and with texts typed, its Parts panel opened with Ctrl+E and reached with F6.
Opened OpenWithPanel(int command, int mode, const std::vector<std::pair<int, const char*>>& texts) {
    Opened opened{harness::OpenCommand(command)};
    CCalcFormDlg& form = *opened.form;
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    harness::Key(form, form.Binding().modeIds[0][static_cast<size_t>(mode)], Qt::Key_Space);
    for (const auto& [field, text] : texts)
        harness::Enter(form, form.Binding().fieldIds[static_cast<size_t>(field)], text);
    Press(Qt::Key_E, Qt::ControlModifier);
    Press(Qt::Key_F6);
    opened.design = form.Panels()->Design();
    EXPECT_NE(opened.design, nullptr);
    // The section opens with Space on its title.
    EXPECT_TRUE(TabTo(QStringLiteral("BestCombinations")));
    Press(Qt::Key_Space);
    EXPECT_TRUE(opened.design->isChecked());
    EXPECT_TRUE(form.Panels()->Side()->isAncestorOf(QApplication::focusWidget()));
    return opened;
}

engine::FormState StateOf(const CCalcFormDlg& form) {
    engine::FormState state = engine::OpenedState(form.Form());
    state.texts = form.FieldTexts();
    state.modes = form.Modes();
    state.checks = form.Checks();
    return state;
}

class DesignSectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("parts"));  // E24 and E12, the default tolerances
    }
};

struct FlowCase {
    int command;
    int mode;
    std::vector<std::pair<int, const char*>> texts;
    std::vector<std::string> fixed;
    std::map<std::string, int> windowSteps;  // presses of Up: half a percent each
};

TEST_F(DesignSectionTest, KeyboardAloneFindsTheEnginesBestAndUsesIt) {
    const FlowCase cases[] = {
        {ids::rc_low_pass::kCommand,
         rc_filter::kCAndFc,
         {{rc_filter::kC, "10n"}, {rc_filter::kFc, "1k"}},
         {},
         {}},
        {ids::rc_high_pass::kCommand,
         rc_filter::kCAndFc,
         {{rc_filter::kC, "100n"}, {rc_filter::kFc, "50"}},
         {},
         {{"Fc", 4}}},
        {ids::astable555::kCommand,
         astable555::kCFAndDuty,
         {{astable555::kC, "10n"}, {astable555::kF, "1k"}, {astable555::kDuty, "60"}},
         {"C"},
         {{"F", 10}, {"Duty", 6}}},
    };
    for (const FlowCase& flow : cases) {
        Opened opened = OpenWithPanel(flow.command, flow.mode, flow.texts);
        CCalcFormDlg& form = *opened.form;
        forms::DesignSection& design = *opened.design;
        const std::string where = form.Form().className;
        DesignOptions options;
        for (const std::string& part : flow.fixed) {
            ASSERT_TRUE(TabTo(QStringLiteral("DesignFix") + QString::fromStdString(part))) << where;
            Press(Qt::Key_Space);
            options.fixed.insert(part);
        }
        YieldOptions yield;
        for (const auto& [target, steps] : flow.windowSteps) {
            ASSERT_TRUE(TabTo(QStringLiteral("DesignWindow") + QString::fromStdString(target))) << where;
            for (int i = 0; i < steps; ++i)
                Press(Qt::Key_Up);
            yield.windowPercent[target] = steps * 0.5;
        }
        ASSERT_TRUE(TabTo(QStringLiteral("DesignFind"))) << where;
        Press(Qt::Key_Return);
        ASSERT_TRUE(WaitUntilIdle(design)) << where;
        ASSERT_TRUE(design.ShownIsCurrent()) << where << ": " << design.Status().toStdString();

        const DesignProblem problem = MakeProblem(form.Form(), StateOf(form), options);
        ASSERT_TRUE(problem.Searchable()) << where << ": " << problem.why;
        const SearchResult expected = Search(problem, kDefaultTop);
        const forms::DesignRunResult& shown = *design.Shown();
        ASSERT_EQ(shown.search.candidates.size(), expected.candidates.size()) << where;
        ASSERT_FALSE(expected.candidates.empty()) << where;
        for (size_t i = 0; i < expected.candidates.size(); ++i)
            for (size_t p = 0; p < problem.parts.size(); ++p)
                EXPECT_EQ(shown.search.candidates[i].parts[p].value, expected.candidates[i].parts[p].value)
                    << where << " row " << i;
        const Candidate& top = expected.candidates.front();
        const auto* table = form.findChild<QTableWidget*>(QStringLiteral("DesignTable"));
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->rowCount(), static_cast<int>(expected.candidates.size())) << where;
        for (size_t p = 0; p < problem.parts.size(); ++p)
            EXPECT_EQ(table->item(0, static_cast<int>(p))->text(),
                      QString::fromLatin1(FormatEngValue(top.parts[p].value)).trimmed())
                << where;
        // With its ten rows the panel still fits the laptop's screen, without scrolling.
        QApplication::processEvents();
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(form.frameGeometry()))
            << where;
        const auto* scroll = form.Panels()->Side()->findChild<QScrollArea*>();
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible() || scroll->horizontalScrollBar()->isVisible())
            << where;

        // Ctrl+P: the Plot panel draws the top row's builds, each window at its edges.
        Press(Qt::Key_F6, Qt::ShiftModifier);  // to the form, Ctrl+P there, F6 back
        Press(Qt::Key_P, Qt::ControlModifier);
        ASSERT_TRUE(form.Panels()->PlotOpen()) << where;
        Press(Qt::Key_F6);
        const forms::PlotPanel* plot = nullptr;  // no meta-object of its own: findChild would take any widget
        for (QWidget* widget : form.Panels()->Side()->findChildren<QWidget*>())
            plot = plot != nullptr ? plot : dynamic_cast<forms::PlotPanel*>(widget);
        ASSERT_NE(plot, nullptr);
        ASSERT_TRUE(plot->CurrentPlot().has_value()) << where << ": " << plot->Message().toStdString();
        const bool histogram = plot->CurrentPlot()->title == "Distribution over the builds";
        EXPECT_EQ(histogram, !yield.windowPercent.empty()) << where;
        if (!yield.windowPercent.empty()) {
            const YieldResult estimate = EstimateYield(problem, top, yield);
            ASSERT_EQ(shown.yields.size(), expected.candidates.size()) << where;
            EXPECT_EQ(shown.yields.front().within, estimate.within) << where;
            std::vector<double> edges, windows;
            for (const engine::plot::Marker& marker : plot->CurrentPlot()->markers)
                edges.push_back(marker.x);
            for (const auto& [target, percent] : yield.windowPercent)
                windows.insert(windows.end(), {-percent, percent});
            std::sort(edges.begin(), edges.end());
            std::sort(windows.begin(), windows.end());
            ASSERT_EQ(edges.size(), windows.size()) << where;
            for (size_t i = 0; i < edges.size(); ++i)
                EXPECT_NEAR(edges[i], windows[i], 1e-9) << where;
        }

        // Use: the parts as found and the mode that takes them, as "Use standard values" leaves the form.
        ASSERT_TRUE(TabTo(QStringLiteral("DesignUse"))) << where;
        Press(Qt::Key_Return);
        EXPECT_EQ(form.Modes()[0], problem.asBuiltMode) << where;
        for (size_t p = 0; p < problem.parts.size(); ++p) {
            const DesignPart& part = problem.parts[p];
            const std::string text =
                harness::Text(form, form.Binding().fieldIds[static_cast<size_t>(part.field)]);
            EXPECT_EQ(text, part.fixed ? StateOf(form).texts[static_cast<size_t>(part.field)]
                                       : FormatEngValue(top.parts[p].value))
                << where << " " << part.name;
        }
        // The form changed: what is shown is marked as found for the values before.
        EXPECT_FALSE(design.ShownIsCurrent()) << where;
        ASSERT_TRUE(plot->CurrentPlot().has_value()) << where;
        EXPECT_NE(plot->CurrentPlot()->title, "Distribution over the builds") << where;
        Press(Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible()) << where;
    }
}

// A search over pairs of E192 values is long enough to be stopped in three ways.
Opened LongSearch() {
    Opened opened =
        OpenWithPanel(ids::astable555::kCommand, astable555::kCFAndDuty,
                      {{astable555::kC, "10n"}, {astable555::kF, "1k"}, {astable555::kDuty, "60"}});
    EXPECT_TRUE(TabTo(QStringLiteral("SeriesR")));
    Press(Qt::Key_End);  // E192
    EXPECT_TRUE(TabTo(QStringLiteral("DesignPairs")));
    Press(Qt::Key_Space);
    EXPECT_TRUE(TabTo(QStringLiteral("DesignFind")));
    Press(Qt::Key_Return);
    EXPECT_TRUE(opened.design->Running());
    return opened;
}

TEST_F(DesignSectionTest, CancelRecalculationAndClosingStopTheSearch) {
    {
        Opened opened = LongSearch();
        // Find handed the focus to Cancel.
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("DesignCancel"));
        QTest::qWait(100);
        Press(Qt::Key_Return);
        ASSERT_TRUE(WaitUntilIdle(*opened.design, 5000));
        EXPECT_EQ(opened.design->Shown(), nullptr);
        EXPECT_TRUE(opened.design->Status().contains(QStringLiteral("cancelled")));
    }
    {
        Opened opened = LongSearch();
        harness::Enter(*opened.form, opened.form->Binding().fieldIds[astable555::kF], "2k");
        EXPECT_FALSE(opened.design->Running());
        EXPECT_EQ(opened.design->Shown(), nullptr);
        // Ctrl+E closes the panel, which stops a search as well.
        harness::Key(*opened.form, opened.form->Binding().fieldIds[astable555::kF], Qt::Key_F6);
        ASSERT_TRUE(TabTo(QStringLiteral("DesignFind")));
        Press(Qt::Key_Return);
        ASSERT_TRUE(opened.design->Running());
        Press(Qt::Key_E, Qt::ControlModifier);
        EXPECT_FALSE(opened.design->Running());
    }
    {
        Opened opened = LongSearch();
        QTest::qWait(50);
        opened.form.reset();  // closed while the search runs
    }
}

}  // namespace
