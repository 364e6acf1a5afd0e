#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "forms/opamp/SchmittTriggerDlg.h"
#include "tests/support/FormHarness.h"

using namespace schmitt_trigger;

namespace {

// Field ids: R1 1149, R2 1150, Utrig 1151, Upwr 1154; radios 1147, 1148.
TEST(SchmittTriggerForm, OpensWithTheThresholdAndComputesR1FromIt) {
    CSchmittTriggerDlg form;
    harness::Open(form);
    EXPECT_EQ(harness::Text(form, 1149), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1150), "4.70 K");
    EXPECT_EQ(harness::Text(form, 1154), "12.00  ");
    EXPECT_EQ(harness::Text(form, 1151), "5.62  ");
    EXPECT_FALSE(harness::Enabled(form, 1151));

    harness::Click(form, 1148);
    EXPECT_FALSE(harness::Enabled(form, 1149));
    EXPECT_TRUE(harness::Enabled(form, 1151));
    EXPECT_EQ(harness::Text(form, 1149), "2.20 K");  // 5.62 / 12 x 4700 = 2201

    harness::Enter(form, 1154, "-24");
    EXPECT_EQ(harness::Text(form, 1154), "24.00  ");
    EXPECT_EQ(harness::Text(form, 1149), "1.10 K");
}

}  // namespace
