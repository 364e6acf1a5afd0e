#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/inductors/SingleLayerCoilDlg.h"
#include "tests/support/FormHarness.h"

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

// Fields: D 1026, P 1027, N 1028, L 1029; radios 1024 and 1025.
TEST(SingleLayerCoilForm, OpensFromItsMenuCommandWithLComputed) {
    auto form = harness::OpenCommand(32778);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CSingleLayerCoilDlg");
    EXPECT_EQ(form->windowTitle(), "Cylindar self, monocoated");
    EXPECT_EQ(harness::Text(*form, 1026), "5.00 m");
    EXPECT_EQ(harness::Text(*form, 1027), "10.00 m");
    EXPECT_EQ(harness::Text(*form, 1028), "100.00  ");
    EXPECT_EQ(harness::Text(*form, 1029), "1.92 n");
    EXPECT_FALSE(harness::Enabled(*form, 1029));
    EXPECT_TRUE(harness::Enabled(*form, 1028));
}

TEST(SingleLayerCoilForm, TurnsComeBackFromTheShownInductance) {
    CSingleLayerCoilDlg form;
    harness::Open(form);
    harness::Click(form, 1025);  // L as shown, 1.92 n, is now the input
    EXPECT_TRUE(harness::Enabled(form, 1029));
    EXPECT_FALSE(harness::Enabled(form, 1028));
    EXPECT_EQ(harness::Text(form, 1028), "99.92  ");
    harness::Enter(form, 1026, "0");
    EXPECT_EQ(harness::Text(form, 1028), "Error");
    harness::Type(form, 1026, "5m");
    harness::Click(form, 1024);  // N reads "Error" back as 0 turns
    EXPECT_EQ(harness::Text(form, 1029), "0  ");
}

}  // namespace
