#include <gtest/gtest.h>

#include <QWidget>

#include "core/EngValue.h"
#include "forms/opamp/NonInvertingAmpDlg.h"
#include "tests/forms/OpAmpComputeRows.h"
#include "tests/support/FormHarness.h"

using namespace gain_stage;

namespace {

constexpr double E = kErrorValue;

TEST(NonInvertingAmpCompute, EveryModeAndGuard) {
    opamp_rows::ExpectRows(ComputeNonInvertingAmp,
                           {
                               // fields: G, R1, R2
                               {kR1AndR2, {0, 2200, 4700}, {3.1363636363636362, 2200, 4700}},
                               {kR1AndR2, {7, 1000, 0}, {1, 1000, 0}},
                               {kR1AndR2, {7, 0, 4700}, {E, 0, 4700}},
                               {kR1AndR2, {7, 1e-12, 4700}, {E, 1e-12, 4700}},
                               {kR1AndG, {2, 10000, 0}, {2, 10000, 10000}},
                               {kR1AndG, {1.5, 2000, 0}, {1.5, 2000, 1000}},
                               // A gain of one or less cannot be built: only R2 fails, R1 is kept.
                               {kR1AndG, {1, 10000, 9}, {1, 10000, E}},
                               {kR1AndG, {0.5, 10000, 9}, {0.5, 10000, E}},
                               {kR1AndG, {0, 10000, 9}, {0, 10000, E}},
                               {-1, {1, 2, 3}, {1, 2, 3}},
                           });
}

// Field ids: R1 1110, R2 1111, G 1112; radios 1108, 1109.
TEST(NonInvertingAmpForm, UnityGainKeepsTheTypedR1) {
    CNonInvertingAmpDlg form;
    harness::Open(form);
    EXPECT_EQ(harness::Text(form, 1110), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1111), "4.70 K");
    EXPECT_EQ(harness::Text(form, 1112), "3.14  ");

    harness::Click(form, 1109);
    EXPECT_EQ(harness::Text(form, 1111), "4.71 K");  // from the gain as shown, 3.14
    EXPECT_FALSE(harness::Enabled(form, 1111));
    harness::Enter(form, 1112, "1");
    EXPECT_EQ(harness::Text(form, 1111), "Error");
    EXPECT_EQ(harness::Text(form, 1110), "2.20 K");
    // R1 survived the failure, so the next gain is built on it.
    harness::Enter(form, 1112, "2");
    EXPECT_EQ(harness::Text(form, 1111), "2.20 K");
}

// The schematic reaches under the buttons' top edge in this layout.
TEST(NonInvertingAmpForm, ButtonsStayAboveTheSchematic) {
    CNonInvertingAmpDlg form;
    harness::Open(form);
    for (int id : {1113, 1114}) {
        QWidget* button = form.GetDlgItem(id);
        const QPoint topEdge = button->geometry().topLeft() + QPoint(button->width() / 2, 2);
        EXPECT_EQ(form.childAt(topEdge), button) << id;
    }
}

}  // namespace
