#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "forms/opamp/SummatorDlg.h"
#include "tests/support/FormHarness.h"

using namespace summator;

namespace {

// Field ids: R1 1131, R2 1132, R3 1133, G1 1134, G2 1135; radios 1129, 1130.
TEST(SummatorForm, OpensWithBothGainsAndGivesTheResistorsBack) {
    CSummatorDlg form;
    harness::Open(form);
    EXPECT_EQ(harness::Text(form, 1131), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1132), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1133), "4.70 K");
    EXPECT_EQ(harness::Text(form, 1134), "2.14  ");
    EXPECT_EQ(harness::Text(form, 1135), "2.14  ");

    harness::Click(form, 1130);
    EXPECT_FALSE(harness::Enabled(form, 1131));
    EXPECT_FALSE(harness::Enabled(form, 1132));
    EXPECT_TRUE(harness::Enabled(form, 1133));
    EXPECT_TRUE(harness::Enabled(form, 1134));
    // 4700 / 2.14 = 2196 ohm: the resistors come back up to the gains' rounding.
    EXPECT_EQ(harness::Text(form, 1131), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1132), "2.20 K");

    harness::Enter(form, 1135, "0");
    EXPECT_EQ(harness::Text(form, 1131), "Error");
    EXPECT_EQ(harness::Text(form, 1132), "Error");
}

}  // namespace
