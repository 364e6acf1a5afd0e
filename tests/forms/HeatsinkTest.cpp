#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/semiconductors/HeatsinkDlg.h"
#include "tests/support/FormHarness.h"

using namespace heatsink;

namespace {

constexpr double E = kErrorValue;

TEST(HeatsinkCompute, ModesAndGuards) {
    struct Row {
        int mode;
        std::array<double, 6> in;    // RthHA, RthPH, RthJP, Ta, Tjmax, Pmax
        std::array<double, 6> want;  // the same fields after the computation
    };
    const Row rows[] = {
        // (175 - 25) / 10 - 0.6 - 2
        {kAllButRthHA, {0, 0.6, 2, 25, 175, 10}, {12.4, 0.6, 2, 25, 175, 10}},
        // a cold room: (175 + 10) / 10 - 2.6
        {kAllButRthHA, {0, 0.6, 2, -10, 175, 10}, {15.9, 0.6, 2, -10, 175, 10}},
        // exactly no heatsink needed is still an answer; below that it is not
        {kAllButRthHA, {1, 13, 2, 25, 175, 10}, {0, 13, 2, 25, 175, 10}},
        {kAllButRthHA, {1, 0.6, 2, 25, 175, 100}, {E, 0.6, 2, 25, 175, 100}},
        {kAllButRthHA, {1, 0.6, 2, 175, 175, 10}, {E, 0.6, 2, 175, 175, 10}},
        {kAllButRthHA, {1, 0.6, 2, 200, 175, 10}, {E, 0.6, 2, 200, 175, 10}},
        {kAllButRthHA, {1, 0.6, 2, 25, 175, 0}, {E, 0.6, 2, 25, 175, 0}},
        {kAllButRthHA, {1, 0.6, 2, 25, 175, 1e-12}, {E, 0.6, 2, 25, 175, 1e-12}},
        // 175 - 5.6 * 10; a large power gives an ambient below zero
        {kAllButTa, {3, 0.6, 2, 99, 175, 10}, {3, 0.6, 2, 119, 175, 10}},
        {kAllButTa, {3, 0.6, 2, 99, 175, 100}, {3, 0.6, 2, -385, 175, 100}},
        {kAllButTjmax, {3, 0.6, 2, 25, 0, 10}, {3, 0.6, 2, 25, 81, 10}},
        {kAllButTjmax, {3, 0.6, 2, -50, 0, 5}, {3, 0.6, 2, -50, -22, 5}},
        {-1, {3, 0.6, 2, 25, 175, 10}, {3, 0.6, 2, 25, 175, 10}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << row.mode << " Ta " << row.in[kTa] << " Pmax " << row.in[kPmax]);
        std::array<double, 6> v = row.in;
        const int modes[] = {row.mode};
        ComputeHeatsink(v, modes);
        for (size_t i = 0; i < v.size(); ++i)
            EXPECT_NEAR(v[i], row.want[i], 1e-12) << "field " << i;
    }
}

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
