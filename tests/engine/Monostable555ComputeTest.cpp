#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/oscillators/Monostable555.h"

using namespace monostable555;

namespace {

constexpr double E = kErrorValue;

TEST(Monostable555Compute, EveryModeAndGuard) {
    struct Row {
        int mode;
        double c, r1, t;
        double wantC, wantT;
    };
    const Row rows[] = {
        // mode     C     R1    T      -> C                      T
        {kR1AndC, 1e-8, 2200, 0, 1e-8, 2.4200000000000002e-05},
        {kR1AndC, 0, 2200, 1, 0, 0},  // a zero pulse is no failure
        {kR1AndT, 0, 1e4, 1e-3, 9.090909090909091e-08, 1e-3},
        {kR1AndT, 5, 1e4, 1e-12, E, 1e-12},  // the tiny limit itself is no time
        {kR1AndT, 5, 1e4, 0, E, 0},
        {kR1AndT, 5, 0, 1e-3, E, 1e-3},                         // no resistor: no finite capacitor
        {kR1AndT, 5, 1e-12, 1e-3, 1e-3 / (1e-12 * 1.1), 1e-3},  // however small, R1 is a resistor
        {-1, 5, 6, 7, 5, 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << row.mode << " C " << row.c << " R1 " << row.r1 << " T " << row.t);
        std::array<double, 3> v{};
        v[kC] = row.c;
        v[kR1] = row.r1;
        v[kT] = row.t;
        const int modes[] = {row.mode};
        ComputeMonostable555(v, modes);
        EXPECT_EQ(v[kC], row.wantC);
        EXPECT_EQ(v[kR1], row.r1);
        EXPECT_EQ(v[kT], row.wantT);
    }
}

}  // namespace
