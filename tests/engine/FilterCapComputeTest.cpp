#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/passive/FilterCap.h"

using namespace filter_cap;

namespace {

constexpr double E = kErrorValue;

struct Row {
    int knowns, rectifier;
    double c, deltaU, i;
    double wantC, wantDeltaU, wantI;
};

TEST(FilterCapCompute, EveryModeAndGuard) {
    const Row rows[] = {
        // knowns      rectifier    C      dU   I  ->  C      dU   I
        {kIAndDeltaU, kFullWave, 0, 1, 2, 0.003, 1, 2},
        {kIAndDeltaU, kHalfWave, 0, 1, 2, 0.009, 1, 2},  // three times the bridge's
        {kIAndDeltaU, -1, 0, 1, 2, 0.003, 1, 2},         // anything but half-wave is a bridge
        {kIAndDeltaU, kFullWave, 5, 0, 2, E, 0, 2},
        {kIAndDeltaU, kFullWave, 5, 1e-12, 2, E, 1e-12, 2},  // exactly tiny fails
        {kCAndI, kFullWave, 0.003, 5, 2, 0.003, 1, 2},
        {kCAndI, kHalfWave, 0.009, 5, 2, 0.009, 1, 2},
        {kCAndI, kFullWave, 0, 5, 2, 0, E, 2},
        {kCAndI, kFullWave, 1e-12, 5, 2, 1e-12, E, 2},
        {kCAndDeltaU, kFullWave, 0.003, 1, 5, 0.003, 1, 2},
        {kCAndDeltaU, kHalfWave, 0.009, 1, 5, 0.009, 1, 2},
        {kCAndDeltaU, kFullWave, 0, 1, 5, 0, 1, 0},  // no guard
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "knowns " << row.knowns << " rectifier " << row.rectifier
                                          << " C " << row.c << " dU " << row.deltaU << " I " << row.i);
        std::array<double, 3> v{};
        v[kC] = row.c;
        v[kDeltaU] = row.deltaU;
        v[kI] = row.i;
        const int modes[] = {row.knowns, row.rectifier};
        ComputeFilterCap(v, modes);
        EXPECT_DOUBLE_EQ(v[kC], row.wantC);
        EXPECT_DOUBLE_EQ(v[kDeltaU], row.wantDeltaU);
        EXPECT_DOUBLE_EQ(v[kI], row.wantI);
    }
}

TEST(FilterCapCompute, DividesBeforeItMultiplies) {
    std::array<double, 3> v{};
    v[kDeltaU] = 0.9;
    v[kI] = 7;
    const int modes[] = {kIAndDeltaU, kFullWave};
    ComputeFilterCap(v, modes);
    EXPECT_EQ(v[kC], 0.011666666666666665);  // 0.0015 / 0.9 * 7, not 0.0105 / 0.9
}

TEST(FilterCapCompute, NoModeComputesNothing) {
    std::array<double, 3> v{1, 2, 3};
    const int modes[] = {-1, 1};
    ComputeFilterCap(v, modes);
    EXPECT_EQ(v, (std::array<double, 3>{1, 2, 3}));
}

}  // namespace
