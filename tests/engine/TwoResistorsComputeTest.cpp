#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/passive/TwoResistors.h"

using namespace two_resistors;

namespace {

constexpr double E = kErrorValue;
constexpr double kStale = 123;  // left in the output fields by an earlier run

struct Row {
    int knowns, connection;
    double r1, r2, r, u;
    double wantR2, wantR, wantI, wantI1, wantI2, wantU1, wantU2;
};

TEST(TwoResistorsCompute, EveryModeAndGuard) {
    const Row rows[] = {
        // knowns  conn       R1   R2   R    U  ->  R2    R    I    I1   I2   U1   U2
        {kR1AndR2, kSerial, 3, 7, 0, 10, 7, 10, 1, 1, 1, 3, 7},
        {kR1AndR2, kSerial, 3, 7, 0, 0, 7, 10, 0, 0, 0, 0, 0},  // no guard on U
        {kR1AndR2, kSerial, 0, 0, 5, 10, 0, 0, E, E, E, E, E},
        {kR1AndR2, kSerial, 0.5e-12, 0.5e-12, 5, 10, 0.5e-12, 1e-12, E, E, E, E, E},
        {kR1AndR2, kParallel, 2, 2, 0, 10, 2, 1, 10, 5, 5, 10, 10},
        {kR1AndR2, kParallel, 3, 0, 5, 10, 0, E, E, E, E, E, E},
        {kR1AndR2, kParallel, 0, 3, 5, 10, 3, E, E, E, E, E, E},
        {kR1AndR2, kParallel, 1.5e-12, 1.5e-12, 5, 10, 1.5e-12, 7.5e-13, E, E, E, E, E},
        {kRAndR1, kSerial, 3, 0, 10, 10, 7, 10, 1, 1, 1, 3, 7},
        {kRAndR1, kSerial, 3, 9, 3, 10, E, 3, E, E, E, E, E},
        {kRAndR1, kSerial, 3, 9, 2, 10, E, 2, E, E, E, E, E},
        {kRAndR1, kParallel, 2, 0, 1, 10, 2, 1, 10, 5, 5, 10, 10},
        {kRAndR1, kParallel, 3, 9, 3, 10, E, 3, E, E, E, E, E},
        {kRAndR1, kParallel, 0, 9, 0, 10, E, 0, E, E, E, E, E},
        {kRAndR1, kParallel, 3, 9, 0, 10, 0, 0, E, E, E, E, E},  // R read from "Error"
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "knowns " << row.knowns << " connection " << row.connection
                                          << " R1 " << row.r1 << " R2 " << row.r2 << " R " << row.r);
        std::array<double, 9> v;
        v.fill(kStale);
        v[kR1] = row.r1;
        v[kR2] = row.r2;
        v[kR] = row.r;
        v[kU] = row.u;
        const int modes[] = {row.knowns, row.connection};
        ComputeTwoResistors(v, modes);
        EXPECT_DOUBLE_EQ(v[kR1], row.r1);
        EXPECT_DOUBLE_EQ(v[kU], row.u);
        EXPECT_DOUBLE_EQ(v[kR2], row.wantR2);
        EXPECT_DOUBLE_EQ(v[kR], row.wantR);
        EXPECT_DOUBLE_EQ(v[kI], row.wantI);
        EXPECT_DOUBLE_EQ(v[kI1], row.wantI1);
        EXPECT_DOUBLE_EQ(v[kI2], row.wantI2);
        EXPECT_DOUBLE_EQ(v[kU1], row.wantU1);
        EXPECT_DOUBLE_EQ(v[kU2], row.wantU2);
    }
}

TEST(TwoResistorsCompute, ParallelKeepsItsOrderOfOperations) {
    std::array<double, 9> v{};
    v[kR1] = 3;
    v[kR2] = 7;
    v[kU] = 10;
    const int both[] = {kR1AndR2, kParallel};
    ComputeTwoResistors(v, both);
    EXPECT_EQ(v[kR], 2.0999999999999996);  // 7 / 10 * 3, not 21 / 10
    EXPECT_EQ(v[kI], 4.761904761904762);   // 10 / 7 + 10 / 3

    v[kR] = 2.1;
    const int fromR[] = {kRAndR1, kParallel};
    ComputeTwoResistors(v, fromR);
    EXPECT_EQ(v[kR2], 7.0);  // 2.1 / 0.9 * 3, not 6.3 / 0.9
}

TEST(TwoResistorsCompute, NoModeComputesNothing) {
    for (const auto& modes :
         {std::array<int, 2>{-1, -1}, std::array<int, 2>{-1, 0}, std::array<int, 2>{0, -1}}) {
        std::array<double, 9> v{1, 2, 3, 4, 5, 6, 7, 8, 9};
        ComputeTwoResistors(v, modes);
        EXPECT_EQ(v, (std::array<double, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
}

}  // namespace
