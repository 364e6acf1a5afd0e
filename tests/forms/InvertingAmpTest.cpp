#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "forms/opamp/InvertingAmpDlg.h"
#include "tests/forms/OpAmpComputeRows.h"
#include "tests/support/FormHarness.h"

using namespace gain_stage;

namespace {

constexpr double E = kErrorValue;

TEST(InvertingAmpCompute, EveryModeAndGuard) {
    opamp_rows::ExpectRows(ComputeInvertingAmp,
                           {
                               // fields: G, R1, R2
                               {kR1AndR2, {0, 2200, 4700}, {2.1363636363636362, 2200, 4700}},
                               {kR1AndR2, {7, 0, 4700}, {E, 0, 4700}},
                               {kR1AndR2, {7, 1e-12, 4700}, {E, 1e-12, 4700}},  // exactly tiny is absent
                               {kR1AndR2, {7, 1000, 0}, {0, 1000, 0}},
                               {kR1AndG, {5, 1000, 0}, {5, 1000, 5000}},
                               {kR1AndG, {0, 1000, 9}, {0, 1000, 0}},  // no error case in this mode
                               {kR1AndG, {5, 0, 9}, {5, 0, 0}},
                               {-1, {1, 2, 3}, {1, 2, 3}},
                           });
}

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
