#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/oscillators/GateAstable.h"

using namespace gate_astable;

namespace {

constexpr double E = kErrorValue;

// F is never an input: every row feeds it a stray 5 that must not survive.

// F is never an input: every row feeds it a stray 5 that must not survive.
TEST(GateAstableCompute, EveryModeAndGuard) {
    struct Row {
        int mode;
        double c, r, t;
        double wantC, wantT, wantF;
    };
    const Row rows[] = {
        // mode    C     R     T      -> C                       T                       F
        {kRAndC, 1e-8, 2200, 0, 1e-8, 1.5399999999999998e-05, 64935.06493506494},
        {kRAndC, 0, 2200, 1, 0, 0, E},
        {kRAndC, 1e-8, 0, 1, 1e-8, 0, E},
        {kRAndT, 0, 1e4, 1e-3, 1.4285714285714285e-07, 1e-3, 1000},
        {kRAndT, 5, 1e4, 1e-12, E, 1e-12, E},
        {kRAndT, 5, 1e4, 0, E, 0, E},
        {kRAndT, 5, 0, 1e-3, E, 1e-3, 1000},                         // no resistor: no finite capacitor
        {kRAndT, 5, 1e-12, 1e-3, 1e-3 / (1e-12 * 0.7), 1e-3, 1000},  // however small, R is a resistor
        {-1, 5, 6, 1e-3, 5, 1e-3, 1000},                             // F follows T even then
        {-1, 5, 6, 0, 5, 0, E},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << row.mode << " C " << row.c << " R " << row.r << " T " << row.t);
        std::array<double, 4> v{};
        v[kC] = row.c;
        v[kF] = 5;
        v[kR] = row.r;
        v[kT] = row.t;
        const int modes[] = {row.mode};
        ComputeGateAstable(v, modes);
        EXPECT_EQ(v[kC], row.wantC);
        EXPECT_EQ(v[kR], row.r);
        EXPECT_EQ(v[kT], row.wantT);
        EXPECT_EQ(v[kF], row.wantF);
    }
}

}  // namespace
