#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "forms/opamp/SchmittTriggerDlg.h"
#include "tests/forms/OpAmpComputeRows.h"
#include "tests/support/FormHarness.h"

using namespace schmitt_trigger;

namespace {

constexpr double E = kErrorValue;

TEST(SchmittTriggerCompute, EveryModeAndGuard) {
    opamp_rows::ExpectRows(
        ComputeSchmittTrigger,
        {
            // fields: R1, R2, Upwr, Utrig
            {kResistorsAndSupply, {2200, 4700, 12, 0}, {2200, 4700, 12, 5.617021276595745}},
            // R1 is only a factor, yet a zero R1 is refused like the divisor.
            {kResistorsAndSupply, {0, 4700, 12, 3}, {0, 4700, 12, E}},
            {kResistorsAndSupply, {2200, 0, 12, 3}, {2200, 0, 12, E}},
            {kResistorsAndSupply, {2200, 4700, 1e-12, 3}, {2200, 4700, 1e-12, E}},
            {kThresholdAndSupply, {0, 4700, 12, 1}, {391.66666666666663, 4700, 12, 1}},
            {kThresholdAndSupply, {0, 4700, 12, 15}, {5875, 4700, 12, 15}},  // above the supply
            {kThresholdAndSupply, {9, 0, 12, 1}, {E, 0, 12, 1}},
            {kThresholdAndSupply, {9, 4700, 12, 0}, {E, 4700, 12, 0}},
            {kThresholdAndSupply, {9, 4700, 0, 1}, {E, 4700, 0, 1}},
            {-1, {1, 2, 3, 4}, {1, 2, 3, 4}},
        });
}

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
