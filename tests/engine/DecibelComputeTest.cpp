#include <gtest/gtest.h>

#include <array>
#include <limits>
#include "core/EngValue.h"
#include "engine/passive/Decibel.h"

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

}  // namespace
