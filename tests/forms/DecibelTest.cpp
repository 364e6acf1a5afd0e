#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "core/EngValue.h"
#include "forms/passive/DecibelDlg.h"
#include "tests/support/FormHarness.h"

using namespace decibel;

namespace {

constexpr double E = kErrorValue;
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Row {
    int mode;
    double gain, pi, po, ui, uo;  // inputs (what the mode does not read is overwritten or kept)
    double wantGain, wantPi, wantPo, wantUi, wantUo;
};

TEST(DecibelCompute, EveryModeAndGuard) {
    const Row rows[] = {
        // mode              G      Pi    Po     Ui      Uo   ->  G      Pi      Po      Ui      Uo
        {kInputAndGain, 20, 1e-3, 0, 1, 0, 20, 1e-3, 0.1, 1, 10},
        {kInputAndGain, -20, 1e-3, 0, 1, 0, -20, 1e-3, 1e-5, 1, 0.1},
        {kInputAndGain, 20, 0, 5, 0, 5, 20, 0, 0, 0, 0},
        {kInputAndGain, 1e4, 1e-3, 0, 1, 0, 1e4, 1e-3, kInf, 1, kInf},  // overflow shows "Error"
        {kOutputAndGain, 20, 0, 0.1, 0, 10, 20, 1e-3, 0.1, 1, 10},
        {kOutputAndGain, -1e4, 0, 0.1, 0, 10, -1e4, kInf, 0.1, kInf, 10},
        {kOutputAndGain, 1e4, 0, 0.1, 0, 10, 1e4, 0, 0.1, 0, 10},
        {kInputAndOutputLevel, 0, 1e-3, 0, 1, 2, 6.020599913279624, 1e-3, 4e-3, 1, 2},
        {kInputAndOutputLevel, 0, 1e-3, 0, 2, 1, -6.020599913279624, 1e-3, 2.5e-4, 2, 1},
        {kInputAndOutputLevel, 0, 1e-3, 0, 2e-12, 2e-12, 0, 1e-3, 1e-3, 2e-12, 2e-12},
        {kInputAndOutputLevel, 7, 1e-3, 5, 0, 2, E, 1e-3, E, 0, 2},
        {kInputAndOutputLevel, 7, 1e-3, 5, 1e-12, 2, E, 1e-3, E, 1e-12, 2},  // exactly tiny fails
        {kInputAndOutputLevel, 7, 1e-3, 5, 1, 1e-12, E, 1e-3, E, 1, 1e-12},
        {kInputAndOutputPower, 0, 1e-3, 1, 1, 0, 30, 1e-3, 1, 1, 31.622776601683793},
        {kInputAndOutputPower, 7, 0, 1, 1, 5, E, 0, 1, 1, E},
        {kInputAndOutputPower, 7, 1e-3, 1e-12, 1, 5, E, 1e-3, 1e-12, 1, E},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << " G " << row.gain << " Pi " << row.pi
                                          << " Po " << row.po << " Ui " << row.ui << " Uo " << row.uo);
        std::array<double, 5> v{};
        v[kGain] = row.gain;
        v[kPi] = row.pi;
        v[kPo] = row.po;
        v[kUi] = row.ui;
        v[kUo] = row.uo;
        const int modes[] = {row.mode};
        ComputeDecibel(v, modes);
        EXPECT_DOUBLE_EQ(v[kGain], row.wantGain);
        EXPECT_DOUBLE_EQ(v[kPi], row.wantPi);
        EXPECT_DOUBLE_EQ(v[kPo], row.wantPo);
        EXPECT_DOUBLE_EQ(v[kUi], row.wantUi);
        EXPECT_DOUBLE_EQ(v[kUo], row.wantUo);
    }
}

TEST(DecibelCompute, OutputToInputUsesBaseOneTenth) {
    // 0.1^0.17 and 10^-0.17 differ in the last bit.
    std::array<double, 5> v{};
    v[kGain] = 3.4;
    v[kUo] = 1;
    const int modes[] = {kOutputAndGain};
    ComputeDecibel(v, modes);
    EXPECT_EQ(v[kUi], 0.6760829753919818);
}

TEST(DecibelCompute, NoModeComputesNothing) {
    std::array<double, 5> v{1, 2, 3, 4, 5};
    const int modes[] = {-1};
    ComputeDecibel(v, modes);
    EXPECT_EQ(v, (std::array<double, 5>{1, 2, 3, 4, 5}));
}

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
