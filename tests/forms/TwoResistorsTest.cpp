#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/passive/TwoResistorsDlg.h"
#include "tests/support/FormHarness.h"

using namespace two_resistors;

namespace {

// Field ids: R1 1021, R2 1022, R 1023, I1 1024, I2 1025, I 1026, U1 1027, U2 1028, U 1029.
TEST(TwoResistorsForm, OpensInSeriesAndSwitchesToParallelAtOnce) {
    auto form = harness::OpenCommand(32785);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CTwoResistorsDlg");
    EXPECT_EQ(form->windowTitle(), "Two resistors");
    // R1 is 2200.0000477 to single precision, so I stays just below 3.125 mA.
    EXPECT_EQ(harness::Text(*form, 1021), "2.20 K");
    EXPECT_EQ(harness::Text(*form, 1022), "1.00 K");
    EXPECT_EQ(harness::Text(*form, 1023), "3.20 K");
    EXPECT_EQ(harness::Text(*form, 1024), "3.12 m");
    EXPECT_EQ(harness::Text(*form, 1025), "3.12 m");
    EXPECT_EQ(harness::Text(*form, 1026), "3.12 m");
    EXPECT_EQ(harness::Text(*form, 1027), "6.88  ");
    EXPECT_EQ(harness::Text(*form, 1028), "3.12  ");
    EXPECT_EQ(harness::Text(*form, 1029), "10.00  ");
    for (int id : {1021, 1022, 1029})
        EXPECT_TRUE(harness::Enabled(*form, id)) << id;
    for (int id : {1023, 1024, 1025, 1026, 1027, 1028})
        EXPECT_FALSE(harness::Enabled(*form, id)) << id;

    harness::Click(*form, 1019);  // "Parallel"
    EXPECT_EQ(harness::Text(*form, 1023), "687.50  ");
    EXPECT_EQ(harness::Text(*form, 1024), "4.55 m");
    EXPECT_EQ(harness::Text(*form, 1025), "10.00 m");
    EXPECT_EQ(harness::Text(*form, 1026), "14.55 m");
    EXPECT_EQ(harness::Text(*form, 1027), "10.00  ");
    EXPECT_EQ(harness::Text(*form, 1028), "10.00  ");
}

TEST(TwoResistorsForm, KnownsSwitchReadsTheShownResistance) {
    CTwoResistorsDlg form;
    harness::Open(form);
    harness::Click(form, 1019);  // "Parallel"
    harness::Enter(form, 1021, "3.3k");
    harness::Enter(form, 1022, "4.7k");
    EXPECT_EQ(harness::Text(form, 1023), "1.94 K");
    harness::Click(form, 1017);  // "R and R1": R2 comes back from 1.94 K
    EXPECT_TRUE(harness::Enabled(form, 1023));
    EXPECT_FALSE(harness::Enabled(form, 1022));
    EXPECT_EQ(harness::Text(form, 1022), "4.71 K");
    EXPECT_EQ(harness::Text(form, 1025), "2.12 m");
    EXPECT_EQ(harness::Text(form, 1026), "5.15 m");
}

}  // namespace
