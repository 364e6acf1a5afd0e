#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/inductors/SingleLayerCoil.h"

using namespace single_layer_coil;

namespace {

constexpr double E = kErrorValue;

std::array<double, 4> Compute(int mode, double d, double p, double n, double l) {
    std::array<double, 4> v{};
    v[kD] = d;
    v[kP] = p;
    v[kN] = n;
    v[kL] = l;
    const int modes[] = {mode};
    ComputeSingleLayerCoil(v, modes);
    return v;
}

TEST(SingleLayerCoilCompute, ModesAndDiameterGuard) {
    struct Row {
        int mode;
        double d, p, n, l;
        double wantN, wantL;
    };
    const Row rows[] = {
        // 1e-8 * 25e-6 * 1e4 / (1.1 + 0.2)
        {kFromTurns, 0.005, 0.01, 100, 1, 100, 2.5e-9 / 1.3},
        // no winding length: 1e-8 * D * N^2 / 40
        {kFromTurns, 0.004, 0, 10, 1, 10, 1e-10},
        {kFromTurns, 0, 0.01, 100, 1, 100, E},
        {kFromTurns, 1e-12, 0.01, 100, 1, 100, E},  // the diameter must exceed 1e-12
        {kFromInductance, 0.005, 0.01, 7, 2.5e-9 / 1.3, 100, 2.5e-9 / 1.3},
        {kFromInductance, 0.005, 0.01, 7, 0, 0, 0},
        {kFromInductance, 0, 0.01, 7, 1e-9, E, 1e-9},
        {-1, 0, 0.01, 7, 1e-9, 7, 1e-9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << " D " << row.d << " N " << row.n);
        const auto v = Compute(row.mode, row.d, row.p, row.n, row.l);
        EXPECT_DOUBLE_EQ(v[kN], row.wantN);
        EXPECT_DOUBLE_EQ(v[kL], row.wantL);
        EXPECT_EQ(v[kD], row.d);
        EXPECT_EQ(v[kP], row.p);
    }
}

TEST(SingleLayerCoilCompute, ScalingLaws) {
    const double l = Compute(kFromTurns, 0.005, 0.01, 100, 0)[kL];
    EXPECT_DOUBLE_EQ(Compute(kFromTurns, 0.005, 0.01, 200, 0)[kL], 4 * l);
    EXPECT_DOUBLE_EQ(Compute(kFromTurns, 0.01, 0.02, 100, 0)[kL], 2 * l);
    EXPECT_DOUBLE_EQ(Compute(kFromInductance, 0.005, 0.01, 0, 4 * l)[kN], 200);
}

}  // namespace
