#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include "core/EngValue.h"
#include "engine/inductors/PrintedCoil.h"

using namespace printed_coil;

namespace {

constexpr double E = kErrorValue;

std::array<double, 4> Compute(int mode, double d1, double d2, double n, double l) {
    std::array<double, 4> v{};
    v[kD1] = d1;
    v[kD2] = d2;
    v[kN] = n;
    v[kL] = l;
    const int modes[] = {mode};
    ComputePrintedCoil(v, modes);
    return v;
}

TEST(PrintedCoilCompute, ModesAndSizeGuards) {
    // L = 1e-9 / 72 * G * N^(5/3); 100^(5/3) = 10^(10/3).
    const double n100 = std::pow(10.0, 10.0 / 3);
    const double lDefault = 0.015 * std::log(9.0) * n100 * 1e-9 / 72;
    struct Row {
        int mode;
        double d1, d2, n, l;
        double wantN, wantL;
    };
    const Row rows[] = {
        {kFromTurns, 0.005, 0.01, 100, 0, 100, lDefault},
        {kFromTurns, 0, 0.01, 100, 0, 100, 0.01 * std::log(4.0) * n100 * 1e-9 / 72},
        {kFromTurns, 0.01, 0.01, 100, 1, 100, E},
        {kFromTurns, 0.02, 0.01, 100, 1, 100, E},
        {kFromTurns, 0, 0, 100, 1, 100, E},
        {kFromTurns, 0, 1e-12, 100, 1, 100, E},  // the outer size must exceed 1e-12
        {kFromInductance, 0.005, 0.01, 3, lDefault, 100, lDefault},
        {kFromInductance, 0.005, 0.01, 3, 0, 0, 0},
        {kFromInductance, 0.01, 0.005, 3, 1e-9, E, 1e-9},
        {-1, 0.01, 0.005, 3, 1e-9, 3, 1e-9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << " D1 " << row.d1 << " D2 " << row.d2);
        const auto v = Compute(row.mode, row.d1, row.d2, row.n, row.l);
        EXPECT_DOUBLE_EQ(v[kN], row.wantN);
        EXPECT_DOUBLE_EQ(v[kL], row.wantL);
    }
}

TEST(PrintedCoilCompute, EightTimesTheTurnsGiveThirtyTwoTimesL) {
    const double l = Compute(kFromTurns, 0.005, 0.01, 100, 0)[kL];
    EXPECT_DOUBLE_EQ(Compute(kFromTurns, 0.005, 0.01, 800, 0)[kL], 32 * l);
    EXPECT_DOUBLE_EQ(Compute(kFromInductance, 0.005, 0.01, 0, 32 * l)[kN], 800);
}

// Bit-exact against the same products evaluated in Python: the forward
// constant is the literal 1.3888888888888888e-11, one bit below 1e-9 / 72.
TEST(PrintedCoilCompute, RoundedConstantsAsWritten) {
    EXPECT_EQ(Compute(kFromTurns, 0.005, 0.01, 250, 0)[kL], 4.5415059967108056e-09);
    EXPECT_EQ(Compute(kFromTurns, 0.005, 0.01, 3, 0)[kL], 2.8565070618307053e-12);
    EXPECT_EQ(Compute(kFromInductance, 0.005, 0.01, 0, 9.862035106674577e-10)[kN], 100.00000000000001);
}

}  // namespace
