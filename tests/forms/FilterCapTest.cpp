#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/passive/FilterCapDlg.h"
#include "tests/support/FormHarness.h"

using namespace filter_cap;

namespace {

// Field ids: DeltaU 1064, I 1065, C 1066.
TEST(FilterCapForm, OpensOnTheBridgeAndTriplesForHalfWave) {
    auto form = harness::OpenCommand(32793);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CFilterCapDlg");
    EXPECT_EQ(form->windowTitle(), "Filtering capacitor");
    EXPECT_EQ(form->Modes(), (std::vector<int>{0, 1}));
    EXPECT_EQ(harness::Text(*form, 1065), "2.00  ");
    EXPECT_EQ(harness::Text(*form, 1064), "1.00  ");
    EXPECT_EQ(harness::Text(*form, 1066), "3.00 m");
    EXPECT_TRUE(harness::Enabled(*form, 1065));
    EXPECT_TRUE(harness::Enabled(*form, 1064));
    EXPECT_FALSE(harness::Enabled(*form, 1066));

    harness::Click(*form, 1061);  // "Mono-alternance"
    EXPECT_EQ(harness::Text(*form, 1066), "9.00 m");
}

TEST(FilterCapForm, CapacitanceBecomesAnInputAsShown) {
    CFilterCapDlg form;
    harness::Open(form);
    harness::Enter(form, 1065, "2.5");
    harness::Enter(form, 1064, "0.7");
    EXPECT_EQ(harness::Text(form, 1066), "5.36 m");
    harness::Click(form, 1059);  // "C, I": DeltaU comes back from 5.36 mF
    EXPECT_TRUE(harness::Enabled(form, 1066));
    EXPECT_FALSE(harness::Enabled(form, 1064));
    EXPECT_EQ(harness::Text(form, 1064), "699.63 m");
}

}  // namespace
