#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/passive/TwoCapacitorsDlg.h"
#include "tests/support/FormHarness.h"

using namespace two_capacitors;

namespace {

// Field ids: C1 1048, C2 1049, C 1050, U1 1051, U2 1052, U 1053.
TEST(TwoCapacitorsForm, OpensInSeriesAndSwitchesToParallelAtOnce) {
    auto form = harness::OpenCommand(32776);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CTwoCapacitorsDlg");
    EXPECT_EQ(form->windowTitle(), "Two capacitors");
    EXPECT_EQ(harness::Text(*form, 1048), "22.00 n");
    EXPECT_EQ(harness::Text(*form, 1049), "10.00 n");
    // 6.875e-9 scaled by 0.1^-9 lands just below 6.875.
    EXPECT_EQ(harness::Text(*form, 1050), "6.87 n");
    EXPECT_EQ(harness::Text(*form, 1051), "3.12  ");
    EXPECT_EQ(harness::Text(*form, 1052), "6.88  ");
    EXPECT_EQ(harness::Text(*form, 1053), "10.00  ");
    for (int id : {1048, 1049, 1053})
        EXPECT_TRUE(harness::Enabled(*form, id)) << id;
    for (int id : {1050, 1051, 1052})
        EXPECT_FALSE(harness::Enabled(*form, id)) << id;

    harness::Click(*form, 1055);  // "Parallel"
    EXPECT_EQ(harness::Text(*form, 1050), "32.00 n");
    EXPECT_EQ(harness::Text(*form, 1051), "10.00  ");
    EXPECT_EQ(harness::Text(*form, 1052), "10.00  ");
}

TEST(TwoCapacitorsForm, KnownsSwitchReadsTheShownCapacitance) {
    CTwoCapacitorsDlg form;
    harness::Open(form);
    harness::Click(form, 1047);  // "C and C1": C is read back as 6.87 nF
    EXPECT_TRUE(harness::Enabled(form, 1050));
    EXPECT_FALSE(harness::Enabled(form, 1049));
    EXPECT_EQ(harness::Text(form, 1049), "9.99 n");
    EXPECT_EQ(harness::Text(form, 1051), "3.12  ");
    EXPECT_EQ(harness::Text(form, 1052), "6.88  ");
}

}  // namespace
