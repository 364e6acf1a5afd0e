#include <gtest/gtest.h>

#include "forms/inductors/MultiLayerCoilDlg.h"
#include "tests/support/FormHarness.h"

using namespace multi_layer_coil;

namespace {

// Fields: D 1032, P 1033, E 1038, N 1034, L 1035; radios 1030 and 1031.
TEST(MultiLayerCoilForm, OpensFromItsMenuCommandWithLComputed) {
    auto form = harness::OpenCommand(32780);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CMultiLayerCoilDlg");
    EXPECT_EQ(form->windowTitle(), "Cylindar self, multicoated");
    EXPECT_EQ(harness::Text(*form, 1032), "5.00 m");
    EXPECT_EQ(harness::Text(*form, 1033), "10.00 m");
    EXPECT_EQ(harness::Text(*form, 1038), "1.00 m");
    EXPECT_EQ(harness::Text(*form, 1034), "100.00  ");
    EXPECT_EQ(harness::Text(*form, 1035), "1.74 n");
    EXPECT_FALSE(harness::Enabled(*form, 1035));
    EXPECT_TRUE(harness::Enabled(*form, 1038));
}

TEST(MultiLayerCoilForm, TurnsComeBackFromTheShownInductance) {
    CMultiLayerCoilDlg form;
    harness::Open(form);
    harness::Click(form, 1031);
    EXPECT_TRUE(harness::Enabled(form, 1035));
    EXPECT_FALSE(harness::Enabled(form, 1034));
    EXPECT_EQ(harness::Text(form, 1034), "100.02  ");
    harness::Enter(form, 1032, "");
    EXPECT_EQ(harness::Text(form, 1034), "Error");
}

}  // namespace
