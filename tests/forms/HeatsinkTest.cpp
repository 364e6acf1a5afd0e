#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/semiconductors/HeatsinkDlg.h"
#include "tests/support/FormHarness.h"

using namespace heatsink;

namespace {

// Fields: RthHA 1071, RthPH 1072, RthJP 1073, Ta 1074, Tjmax 1077, Pmax 1078;
// radios 1069, 1070, 1079.
TEST(HeatsinkForm, OpensFromItsMenuCommandWithRthHAComputed) {
    auto form = harness::OpenCommand(32794);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CHeatsinkDlg");
    EXPECT_EQ(form->windowTitle(), "Heatsink");
    EXPECT_EQ(harness::Text(*form, 1071), "12.40  ");
    EXPECT_EQ(harness::Text(*form, 1072), "600.00 m");
    EXPECT_EQ(harness::Text(*form, 1073), "2.00  ");
    EXPECT_EQ(harness::Text(*form, 1074), "25.00  ");
    EXPECT_EQ(harness::Text(*form, 1077), "175.00  ");
    EXPECT_EQ(harness::Text(*form, 1078), "10.00  ");
    EXPECT_FALSE(harness::Enabled(*form, 1071));
    for (int id : {1072, 1073, 1074, 1077, 1078})
        EXPECT_TRUE(harness::Enabled(*form, id)) << id;
}

TEST(HeatsinkForm, AmbientKeepsItsSignOtherFieldsDoNot) {
    CHeatsinkDlg form;
    harness::Open(form);
    harness::Enter(form, 1074, "-10");
    EXPECT_EQ(harness::Text(form, 1074), "-10.00  ");
    EXPECT_EQ(harness::Text(form, 1071), "15.90  ");
    harness::Enter(form, 1072, "-0.6");
    EXPECT_EQ(harness::Text(form, 1072), "600.00 m");
    harness::Enter(form, 1078, "100");
    EXPECT_EQ(harness::Text(form, 1071), "Error");
}

TEST(HeatsinkForm, ModeSwitchReadsTheShownResistance) {
    CHeatsinkDlg form;
    harness::Open(form);
    harness::Click(form, 1070);  // RthHA 12.40 as shown gives back Ta
    EXPECT_FALSE(harness::Enabled(form, 1074));
    EXPECT_TRUE(harness::Enabled(form, 1071));
    EXPECT_EQ(harness::Text(form, 1074), "25.00  ");
    harness::Enter(form, 1071, "3");
    EXPECT_EQ(harness::Text(form, 1074), "119.00  ");
    harness::Click(form, 1079);  // Ta 119 and RthHA 3: Tjmax = 56 + 119
    EXPECT_FALSE(harness::Enabled(form, 1077));
    EXPECT_EQ(harness::Text(form, 1077), "175.00  ");
    harness::Enter(form, 1074, "25");
    EXPECT_EQ(harness::Text(form, 1077), "81.00  ");
}

}  // namespace
