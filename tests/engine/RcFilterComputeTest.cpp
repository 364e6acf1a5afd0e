#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/filters/RcFilter.h"

using namespace rc_filter;

namespace {

constexpr double E = kErrorValue;

TEST(RcFilterCompute, EveryModeAndGuard) {
    struct Row {
        int mode;
        double c, fc, r;
        double wantFc, wantR;
    };
    const Row rows[] = {
        // mode    C      Fc    R        -> Fc                     R
        {kRAndC, 1e-8, 0, 2200, 7234.298678148946, 2200},  // 2 pi taken as 6.2832
        {kRAndC, 2e-12, 0, 2e-12, 3.9788642729819206e+22, 2e-12},
        {kRAndC, 1e-8, 5, 1e-12, E, 1e-12},  // both must lie above the tiny limit
        {kRAndC, 1e-12, 5, 2200, E, 2200},
        {kRAndC, 0, 5, 0, E, 0},
        {kCAndFc, 1e-7, 1000, 5, 1000, 1591.5457091927683},
        // The typed frequency stays; the resistor that was not found says so.
        {kCAndFc, 1e-7, 0, 5, 0, E},
        {kCAndFc, 1e-7, 1e-12, 5, 1e-12, E},
        {kCAndFc, 0, 1000, 5, 1000, E},
        {kCAndFc, 1e-12, 1000, 5, 1000, E},
        {-1, 1, 2, 3, 2, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << row.mode << " C " << row.c << " Fc " << row.fc << " R " << row.r);
        std::array<double, 3> v{};
        v[kC] = row.c;
        v[kFc] = row.fc;
        v[kR] = row.r;
        const int modes[] = {row.mode};
        ComputeRcFilter(v, modes);
        EXPECT_EQ(v[kC], row.c);
        EXPECT_EQ(v[kFc], row.wantFc);
        EXPECT_EQ(v[kR], row.wantR);
    }
}

}  // namespace
