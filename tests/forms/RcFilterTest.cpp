#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "engine/filters/RcFilter.h"
#include "tests/support/FormHarness.h"

using namespace rc_filter;

namespace {

// The three forms differ only in ids, layout and help; each must behave alike.
struct FilterForm {
    int command;
    const char* className;
    const char* caption;
    int rAndC, cAndFc, r, c, fc;
};

constexpr FilterForm kForms[] = {
    {32807, "CRcLowPassDlg", "RC low pass filter", 1176, 1177, 1178, 1179, 1180},
    {32808, "CRcHighPassDlg", "RC high pass filter", 1183, 1184, 1185, 1186, 1187},
    {32809, "CRcNotchDlg", "RC notch filter", 1190, 1191, 1192, 1193, 1194},
};

TEST(RcFilterForms, OpenFromTheirMenuCommandsWithFcComputed) {
    for (const FilterForm& f : kForms) {
        SCOPED_TRACE(f.className);
        const auto form = harness::OpenCommand(f.command);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->objectName(), f.className);
        EXPECT_EQ(form->windowTitle(), f.caption);
        EXPECT_EQ(harness::Text(*form, f.r), "2.20 K");
        EXPECT_EQ(harness::Text(*form, f.c), "10.00 n");
        EXPECT_EQ(harness::Text(*form, f.fc), "7.23 K");
        EXPECT_TRUE(harness::Enabled(*form, f.r));
        EXPECT_TRUE(harness::Enabled(*form, f.c));
        EXPECT_FALSE(harness::Enabled(*form, f.fc));
    }
}

TEST(RcFilterForms, ShownFrequencyGivesTheResistorBack) {
    for (const FilterForm& f : kForms) {
        SCOPED_TRACE(f.className);
        const auto form = harness::OpenCommand(f.command);
        ASSERT_NE(form, nullptr);
        harness::Click(*form, f.cAndFc);
        EXPECT_FALSE(harness::Enabled(*form, f.r));
        EXPECT_TRUE(harness::Enabled(*form, f.fc));
        EXPECT_EQ(harness::Text(*form, f.r), "2.20 K");  // 2201 ohm from the rounded 7.23 K
        harness::Type(*form, f.c, "-100n");
        harness::Enter(*form, f.fc, "1k");
        EXPECT_EQ(harness::Text(*form, f.c), "100.00 n");
        EXPECT_EQ(harness::Text(*form, f.r), "1.59 K");

        harness::Enter(*form, f.fc, "0");
        EXPECT_EQ(harness::Text(*form, f.r), "Error");
        EXPECT_EQ(harness::Text(*form, f.fc), "0  ");

        harness::Click(*form, f.rAndC);  // R shows "Error", so it reads as 0
        EXPECT_EQ(harness::Text(*form, f.fc), "Error");
        harness::Enter(*form, f.r, "4.7k");
        EXPECT_EQ(harness::Text(*form, f.fc), "338.63  ");
    }
}

}  // namespace
