#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "core/EngValue.h"
#include "forms/passive/DecibelDlg.h"
#include "tests/support/FormHarness.h"

using namespace decibel;

namespace {

// Field ids: Pi 1000, Ui 1001, Uo 1002, Po 1003, gain 1004.
TEST(DecibelForm, OpensWithOutputsFilled) {
    auto form = harness::OpenCommand(32775);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CDecibelDlg");
    EXPECT_EQ(form->windowTitle(), "Decibel");
    EXPECT_EQ(harness::Text(*form, 1000), "1.00 m");
    EXPECT_EQ(harness::Text(*form, 1001), "1.00  ");
    EXPECT_EQ(harness::Text(*form, 1004), "20.00  ");
    EXPECT_EQ(harness::Text(*form, 1002), "10.00  ");
    EXPECT_EQ(harness::Text(*form, 1003), "100.00 m");
    EXPECT_TRUE(harness::Enabled(*form, 1000));
    EXPECT_TRUE(harness::Enabled(*form, 1001));
    EXPECT_TRUE(harness::Enabled(*form, 1004));
    EXPECT_FALSE(harness::Enabled(*form, 1002));
    EXPECT_FALSE(harness::Enabled(*form, 1003));
}

TEST(DecibelForm, GainKeepsItsSignAndOverflowShowsError) {
    CDecibelDlg form;
    harness::Open(form);
    harness::Enter(form, 1004, "-20");
    EXPECT_EQ(harness::Text(form, 1004), "-20.00  ");
    EXPECT_EQ(harness::Text(form, 1002), "100.00 m");
    EXPECT_EQ(harness::Text(form, 1003), "10.00 \xB5");
    harness::Enter(form, 1004, "10k");
    EXPECT_EQ(harness::Text(form, 1004), "10.00 K");
    EXPECT_EQ(harness::Text(form, 1002), "Error");
    EXPECT_EQ(harness::Text(form, 1003), "Error");
}

TEST(DecibelForm, OutputLevelBecomesAnInputAsShown) {
    CDecibelDlg form;
    harness::Open(form);
    harness::Enter(form, 1004, "7");
    EXPECT_EQ(harness::Text(form, 1002), "2.24  ");
    EXPECT_EQ(harness::Text(form, 1003), "5.01 m");
    harness::Click(form, 1007);  // "Input and output level": Uo is read as 2.24
    EXPECT_TRUE(harness::Enabled(form, 1002));
    EXPECT_FALSE(harness::Enabled(form, 1004));
    EXPECT_FALSE(harness::Enabled(form, 1003));
    EXPECT_EQ(harness::Text(form, 1004), "7.00  ");
    EXPECT_EQ(harness::Text(form, 1003), "5.02 m");
    harness::Enter(form, 1002, "0");
    EXPECT_EQ(harness::Text(form, 1004), "Error");
    EXPECT_EQ(harness::Text(form, 1003), "Error");
}

}  // namespace
