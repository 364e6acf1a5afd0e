#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/passive/TwoCapacitors.h"

using namespace two_capacitors;

namespace {

constexpr double E = kErrorValue;
constexpr double kStale = 123;  // left in the output fields by an earlier run

struct Row {
    int knowns, connection;
    double c1, c2, c, u;
    double wantC2, wantC, wantU1, wantU2;
};

TEST(TwoCapacitorsCompute, EveryModeAndGuard) {
    const Row rows[] = {
        // knowns  conn        C1  C2  C   U  ->  C2    C    U1   U2
        {kC1AndC2, kParallel, 3, 7, 0, 10, 7, 10, 10, 10},
        {kC1AndC2, kParallel, 0, 0, 5, 10, 0, 0, 10, 10},  // never an error
        {kC1AndC2, kSerial, 2, 2, 0, 10, 2, 1, 5, 5},
        {kC1AndC2, kSerial, 1, 3, 0, 8, 3, 0.75, 6, 2},  // the larger one takes less
        {kC1AndC2, kSerial, 3, 0, 5, 10, 0, E, E, E},
        {kC1AndC2, kSerial, 0, 3, 5, 10, 3, E, E, E},
        {kC1AndC2, kSerial, 1e-12, 3, 5, 10, 3, E, E, E},  // exactly tiny fails
        {kCAndC1, kParallel, 3, 0, 10, 10, 7, 10, 10, 10},
        {kCAndC1, kParallel, 3, 9, 3, 10, E, 3, E, E},
        {kCAndC1, kParallel, 3, 9, 2, 10, E, 2, E, E},
        {kCAndC1, kSerial, 2, 0, 1, 10, 2, 1, 5, 5},
        {kCAndC1, kSerial, 3, 9, 3, 10, E, 3, E, E},
        {kCAndC1, kSerial, 3, 9, 4, 10, E, 4, E, E},
        {kCAndC1, kSerial, 0, 9, 0, 10, E, 0, E, E},
        {kCAndC1, kSerial, 3, 9, 0, 10, 0, 0, E, E},  // C read from "Error"
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "knowns " << row.knowns << " connection " << row.connection
                                          << " C1 " << row.c1 << " C2 " << row.c2 << " C " << row.c);
        std::array<double, 6> v;
        v.fill(kStale);
        v[kC1] = row.c1;
        v[kC2] = row.c2;
        v[kC] = row.c;
        v[kU] = row.u;
        const int modes[] = {row.knowns, row.connection};
        ComputeTwoCapacitors(v, modes);
        EXPECT_DOUBLE_EQ(v[kC1], row.c1);
        EXPECT_DOUBLE_EQ(v[kU], row.u);
        EXPECT_DOUBLE_EQ(v[kC2], row.wantC2);
        EXPECT_DOUBLE_EQ(v[kC], row.wantC);
        EXPECT_DOUBLE_EQ(v[kU1], row.wantU1);
        EXPECT_DOUBLE_EQ(v[kU2], row.wantU2);
    }
}

TEST(TwoCapacitorsCompute, SeriesKeepsItsOrderOfOperations) {
    std::array<double, 6> v{};
    v[kC1] = 3;
    v[kC2] = 7;
    v[kU] = 7;
    const int both[] = {kC1AndC2, kSerial};
    ComputeTwoCapacitors(v, both);
    EXPECT_EQ(v[kC], 2.0999999999999996);  // 3 * (7 / 10), not 21 / 10
    EXPECT_EQ(v[kU1], 4.9);                // 7 * 7 / 10, not 7 * (7 / 10)

    v[kC] = 2.1;
    const int fromC[] = {kCAndC1, kSerial};
    ComputeTwoCapacitors(v, fromC);
    EXPECT_EQ(v[kC2], 7.0);  // 2.1 / 0.9 * 3, not 6.3 / 0.9
}

TEST(TwoCapacitorsCompute, NoModeComputesNothing) {
    for (const auto& modes :
         {std::array<int, 2>{-1, -1}, std::array<int, 2>{-1, 1}, std::array<int, 2>{1, -1}}) {
        std::array<double, 6> v{1, 2, 3, 4, 5, 6};
        ComputeTwoCapacitors(v, modes);
        EXPECT_EQ(v, (std::array<double, 6>{1, 2, 3, 4, 5, 6}));
    }
}

}  // namespace
