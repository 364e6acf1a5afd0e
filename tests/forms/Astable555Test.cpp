#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/oscillators/Astable555Dlg.h"
#include "tests/support/FormHarness.h"

using namespace astable555;

namespace {

// Field ids: R1 1171, R2 1176, C 1172, T 1178, F 1179, duty 1180, Th 1173, Tl 1177.
// Radios: 1169, 1170, 1181.
TEST(Astable555Form, OpensWithEveryOutputFilled) {
    CAstable555Dlg form;
    harness::Open(form);
    EXPECT_EQ(form.windowTitle(), "Astable oscillator, 555 based");
    EXPECT_EQ(harness::Text(form, 1171), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1176), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1172), "10.00 n");
    EXPECT_EQ(harness::Text(form, 1173), "30.49 \xb5");
    EXPECT_EQ(harness::Text(form, 1177), "15.25 \xb5");
    EXPECT_EQ(harness::Text(form, 1178), "45.74 \xb5");
    EXPECT_EQ(harness::Text(form, 1179), "21.86 K");
    EXPECT_EQ(harness::Text(form, 1180), "66.67  ");
    for (int id : {1171, 1176, 1172})
        EXPECT_TRUE(harness::Enabled(form, id)) << id;
    for (int id : {1178, 1179, 1180, 1173, 1177})
        EXPECT_FALSE(harness::Enabled(form, id)) << id;
}

TEST(Astable555Form, TimesShownBecomeInputs) {
    CAstable555Dlg form;
    harness::Open(form);
    harness::Click(form, 1170);  // "C, Th and Tl" from 30.49 u and 15.25 u as shown
    EXPECT_TRUE(harness::Enabled(form, 1173));
    EXPECT_TRUE(harness::Enabled(form, 1177));
    EXPECT_FALSE(harness::Enabled(form, 1171));
    EXPECT_FALSE(harness::Enabled(form, 1178));
    EXPECT_EQ(harness::Text(form, 1171), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1176), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1178), "45.74 \xb5");
    EXPECT_EQ(harness::Text(form, 1179), "21.86 K");
    EXPECT_EQ(harness::Text(form, 1180), "66.66  ");  // the shown times are rounded
    harness::Enter(form, 1177, "40\xb5");             // low time past the high time
    for (int id : {1171, 1176, 1178, 1179, 1180})
        EXPECT_EQ(harness::Text(form, id), "Error") << id;
}

TEST(Astable555Form, DutyIsAPercentage) {
    CAstable555Dlg form;
    harness::Open(form);
    harness::Click(form, 1181);  // "C,  F and duty%"
    EXPECT_TRUE(harness::Enabled(form, 1180));
    EXPECT_FALSE(harness::Enabled(form, 1173));
    harness::Type(form, 1179, "1k");
    harness::Enter(form, 1180, "60%");
    EXPECT_EQ(harness::Text(form, 1180), "60.00  ");
    EXPECT_EQ(harness::Text(form, 1178), "1.00 m");
    EXPECT_EQ(harness::Text(form, 1176), "57.72 K");
    EXPECT_EQ(harness::Text(form, 1171), "28.86 K");
    EXPECT_EQ(harness::Text(form, 1173), "600.00 \xb5");
    EXPECT_EQ(harness::Text(form, 1177), "400.00 \xb5");
    // Held as a fraction, 54.875 % comes back just under the tie.
    harness::Enter(form, 1180, "54.875");
    EXPECT_EQ(harness::Text(form, 1180), "54.87  ");
}

TEST(Astable555Form, TypedR1BelowTheMinimum) {
    CAstable555Dlg form;
    harness::Open(form);
    harness::Enter(form, 1171, "47");
    for (int id : {1171, 1173, 1178, 1179, 1180})
        EXPECT_EQ(harness::Text(form, id), "Error") << id;
    EXPECT_EQ(harness::Text(form, 1177), "15.25 \xb5");
}

TEST(Astable555Form, OpenedFromItsMenuCommand) {
    const auto form = harness::OpenCommand(32801);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CAstable555Dlg");
    EXPECT_EQ(harness::Text(*form, 1179), "21.86 K");
}

}  // namespace
