#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/opamp/SubtractorDlg.h"
#include "tests/support/FormHarness.h"

using namespace subtractor;

namespace {

// Field ids: R1 1140, R2 1141, R3 1142, G1 1143, G2 1144; radios 1138, 1139.
TEST(SubtractorForm, OpensWithBothGainsAndRefusesANegativeR3) {
    CSubtractorDlg form;
    harness::Open(form);
    EXPECT_EQ(harness::Text(form, 1140), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1141), "4.70 K");
    EXPECT_EQ(harness::Text(form, 1142), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1143), "2.14  ");
    EXPECT_EQ(harness::Text(form, 1144), "2.14  ");

    harness::Click(form, 1139);
    EXPECT_FALSE(harness::Enabled(form, 1140));
    EXPECT_TRUE(harness::Enabled(form, 1141));
    EXPECT_FALSE(harness::Enabled(form, 1142));
    EXPECT_EQ(harness::Text(form, 1140), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1142), "2.20 K");

    harness::Type(form, 1141, "10k");
    harness::Type(form, 1143, "1");
    harness::Enter(form, 1144, "3");
    EXPECT_EQ(harness::Text(form, 1140), "10.00 K");
    EXPECT_EQ(harness::Text(form, 1142), "Error");
}

}  // namespace
