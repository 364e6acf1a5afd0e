#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/inductors/MultiLayerCoil.h"

using namespace multi_layer_coil;

namespace {

constexpr double E = kErrorValue;

std::array<double, 5> Compute(int mode, double d, double p, double e, double n, double l) {
    std::array<double, 5> v{};
    v[kD] = d;
    v[kP] = p;
    v[kE] = e;
    v[kN] = n;
    v[kL] = l;
    const int modes[] = {mode};
    ComputeMultiLayerCoil(v, modes);
    return v;
}

TEST(MultiLayerCoilCompute, ModesAndDiameterGuard) {
    struct Row {
        int mode;
        double d, p, e, n, l;
        double wantN, wantL;
    };
    const Row rows[] = {
        // 8e-10 * 25e-6 * 1e4 / (0.09 + 0.015 + 0.01)
        {kFromTurns, 0.005, 0.01, 0.001, 100, 0, 100, 2e-10 / 0.115},
        // a thin winding: 8e-10 * D^2 * N^2 / (9 * P + 3 * D)
        {kFromTurns, 0.005, 0.01, 0, 100, 0, 100, 2e-10 / 0.105},
        {kFromTurns, 0.005, 0, 0, 100, 0, 100, 2e-10 / 0.015},
        {kFromTurns, 0, 0.01, 0.001, 100, 1, 100, E},
        {kFromTurns, 1e-12, 0.01, 0.001, 100, 1, 100, E},
        {kFromInductance, 0.005, 0.01, 0.001, 3, 2e-10 / 0.115, 100, 2e-10 / 0.115},
        {kFromInductance, 0.005, 0.01, 0.001, 3, 0, 0, 0},
        {kFromInductance, 0, 0.01, 0.001, 3, 1e-9, E, 1e-9},
        {-1, 0, 0.01, 0.001, 3, 1e-9, 3, 1e-9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << " D " << row.d << " E " << row.e);
        const auto v = Compute(row.mode, row.d, row.p, row.e, row.n, row.l);
        EXPECT_DOUBLE_EQ(v[kN], row.wantN);
        EXPECT_DOUBLE_EQ(v[kL], row.wantL);
    }
}

TEST(MultiLayerCoilCompute, DoubleTurnsQuadrupleInductance) {
    const double l = Compute(kFromTurns, 0.005, 0.01, 0.001, 100, 0)[kL];
    EXPECT_DOUBLE_EQ(Compute(kFromTurns, 0.005, 0.01, 0.001, 200, 0)[kL], 4 * l);
    EXPECT_DOUBLE_EQ(Compute(kFromInductance, 0.005, 0.01, 0.001, 0, 4 * l)[kN], 200);
}

// The denominator is summed as (3 * P + D) * 3 + 10 * E; the plain sum
// 9 * P + 3 * D + 10 * E would end one bit lower (checked in Python).
TEST(MultiLayerCoilCompute, DenominatorSummedAsWritten) {
    EXPECT_EQ(Compute(kFromTurns, 0.005, 0.01, 0.001, 100, 0)[kL], 1.739130434782609e-09);
}

}  // namespace
