#include <gtest/gtest.h>

#include <QWidget>

#include "core/EngValue.h"
#include "forms/opamp/NonInvertingAmpDlg.h"
#include "tests/support/FormHarness.h"

using namespace gain_stage;

namespace {

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
