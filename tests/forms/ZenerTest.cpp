#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/semiconductors/ZenerDlg.h"
#include "tests/support/FormHarness.h"

using namespace zener;

namespace {

// Fields: Umax 1083, Umin 1084, Uz 1085, Pzmax 1086, R 1087, Icmax 1088,
// Rcmin 1089; radios 1080, 1081, 1082.
TEST(ZenerForm, OpensFromItsMenuCommandWithTheResistorSized) {
    auto form = harness::OpenCommand(32796);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CZenerDlg");
    EXPECT_EQ(form->windowTitle(), "Zener diode");
    EXPECT_EQ(harness::Text(*form, 1083), "13.00  ");
    EXPECT_EQ(harness::Text(*form, 1084), "10.00  ");
    EXPECT_EQ(harness::Text(*form, 1085), "5.60  ");
    EXPECT_EQ(harness::Text(*form, 1086), "400.00 m");
    EXPECT_EQ(harness::Text(*form, 1087), "103.60  ");
    EXPECT_EQ(harness::Text(*form, 1088), "42.47 m");
    EXPECT_EQ(harness::Text(*form, 1089), "131.85  ");
    for (int id : {1087, 1088, 1089})
        EXPECT_FALSE(harness::Enabled(*form, id)) << id;
}

TEST(ZenerForm, EachModeTakesTheShownResultsAsInputs) {
    CZenerDlg form;
    harness::Open(form);
    harness::Click(form, 1081);  // Icmax 42.47 m as shown
    EXPECT_TRUE(harness::Enabled(form, 1088));
    EXPECT_FALSE(harness::Enabled(form, 1086));
    EXPECT_EQ(harness::Text(form, 1089), "131.86  ");
    EXPECT_EQ(harness::Text(form, 1087), "103.60  ");
    EXPECT_EQ(harness::Text(form, 1086), "399.99 m");
    harness::Enter(form, 1088, "10m");
    EXPECT_EQ(harness::Text(form, 1089), "560.00  ");
    EXPECT_EQ(harness::Text(form, 1087), "440.00  ");
    EXPECT_EQ(harness::Text(form, 1086), "94.18 m");
    harness::Click(form, 1082);  // R 440 and Pzmax 94.18 m give the range back
    EXPECT_FALSE(harness::Enabled(form, 1083));
    EXPECT_TRUE(harness::Enabled(form, 1087));
    EXPECT_EQ(harness::Text(form, 1084), "10.00  ");
    EXPECT_EQ(harness::Text(form, 1083), "13.00  ");
    harness::Enter(form, 1087, "0");
    for (int id : {1083, 1084, 1089})
        EXPECT_EQ(harness::Text(form, id), "Error") << id;
}

}  // namespace
