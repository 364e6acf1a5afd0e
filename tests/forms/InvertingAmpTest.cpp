#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "forms/opamp/InvertingAmpDlg.h"
#include "tests/support/FormHarness.h"

using namespace gain_stage;

namespace {

// Field ids: R1 1103, R2 1104, G 1105; radios 1101, 1102.
TEST(InvertingAmpForm, OpensWithTheGainThenTakesTheShownGainAsInput) {
    CInvertingAmpDlg form;
    harness::Open(form);
    EXPECT_EQ(harness::Text(form, 1103), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1104), "4.70 K");
    EXPECT_EQ(harness::Text(form, 1105), "2.14  ");
    EXPECT_FALSE(harness::Enabled(form, 1105));

    harness::Click(form, 1102);
    EXPECT_FALSE(harness::Enabled(form, 1104));
    EXPECT_TRUE(harness::Enabled(form, 1105));
    // 2.14 as shown, not 2.136...: 2.14 x 2200 = 4708.
    EXPECT_EQ(harness::Text(form, 1104), "4.71 K");
    harness::Type(form, 1103, "1k");
    harness::Enter(form, 1105, "-5");
    EXPECT_EQ(harness::Text(form, 1105), "5.00  ");
    EXPECT_EQ(harness::Text(form, 1104), "5.00 K");
}

TEST(InvertingAmpForm, ZeroR1ShowsErrorAndNegativeR2ItsMagnitude) {
    CInvertingAmpDlg form;
    harness::Open(form);
    harness::Enter(form, 1104, "-10k");
    EXPECT_EQ(harness::Text(form, 1104), "10.00 K");
    EXPECT_EQ(harness::Text(form, 1105), "4.55  ");
    harness::Enter(form, 1103, "0");
    EXPECT_EQ(harness::Text(form, 1103), "0  ");
    EXPECT_EQ(harness::Text(form, 1105), "Error");
}

}  // namespace
