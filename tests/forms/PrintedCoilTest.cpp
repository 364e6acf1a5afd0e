#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "core/EngValue.h"
#include "forms/inductors/PrintedCoilDlg.h"
#include "tests/support/FormHarness.h"

using namespace printed_coil;

namespace {

// Fields: D1 1040, D2 1041, N 1042, L 1043; radios 1038 and 1039.
TEST(PrintedCoilForm, OpensFromItsMenuCommandWithLComputed) {
    auto form = harness::OpenCommand(32779);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CPrintedCoilDlg");
    EXPECT_EQ(form->windowTitle(), "PCB printed self");
    EXPECT_EQ(harness::Text(*form, 1040), "5.00 m");
    EXPECT_EQ(harness::Text(*form, 1041), "10.00 m");
    EXPECT_EQ(harness::Text(*form, 1042), "100.00  ");
    EXPECT_EQ(harness::Text(*form, 1043), "986.20 p");
    EXPECT_FALSE(harness::Enabled(*form, 1043));
}

TEST(PrintedCoilForm, TurnsForAWantedInductance) {
    CPrintedCoilDlg form;
    harness::Open(form);
    harness::Click(form, 1039);
    EXPECT_TRUE(harness::Enabled(form, 1043));
    EXPECT_FALSE(harness::Enabled(form, 1042));
    EXPECT_EQ(harness::Text(form, 1042), "100.00  ");
    harness::Enter(form, 1043, "10n");
    EXPECT_EQ(harness::Text(form, 1043), "10.00 n");
    EXPECT_EQ(harness::Text(form, 1042), "401.44  ");
    harness::Enter(form, 1040, "10m");  // inner size equal to the outer one
    EXPECT_EQ(harness::Text(form, 1042), "Error");
}

}  // namespace
