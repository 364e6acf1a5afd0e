#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/inductors/SingleLayerCoilDlg.h"
#include "tests/support/FormHarness.h"

using namespace single_layer_coil;

namespace {

// Fields: D 1026, P 1027, N 1028, L 1029; radios 1024 and 1025.
TEST(SingleLayerCoilForm, OpensFromItsMenuCommandWithLComputed) {
    auto form = harness::OpenCommand(32778);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CSingleLayerCoilDlg");
    EXPECT_EQ(form->windowTitle(), "Cylindar self, monocoated");
    EXPECT_EQ(harness::Text(*form, 1026), "5.00 m");
    EXPECT_EQ(harness::Text(*form, 1027), "10.00 m");
    EXPECT_EQ(harness::Text(*form, 1028), "100.00  ");
    EXPECT_EQ(harness::Text(*form, 1029), "1.92 n");
    EXPECT_FALSE(harness::Enabled(*form, 1029));
    EXPECT_TRUE(harness::Enabled(*form, 1028));
}

TEST(SingleLayerCoilForm, TurnsComeBackFromTheShownInductance) {
    CSingleLayerCoilDlg form;
    harness::Open(form);
    harness::Click(form, 1025);  // L as shown, 1.92 n, is now the input
    EXPECT_TRUE(harness::Enabled(form, 1029));
    EXPECT_FALSE(harness::Enabled(form, 1028));
    EXPECT_EQ(harness::Text(form, 1028), "99.92  ");
    harness::Enter(form, 1026, "0");
    EXPECT_EQ(harness::Text(form, 1028), "Error");
    harness::Type(form, 1026, "5m");
    harness::Click(form, 1024);  // N reads "Error" back as 0 turns
    EXPECT_EQ(harness::Text(form, 1029), "0  ");
}

}  // namespace
