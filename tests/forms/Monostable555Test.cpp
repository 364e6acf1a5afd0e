#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/oscillators/Monostable555Dlg.h"
#include "tests/support/FormHarness.h"

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

// Field ids: R1 1156, C 1157, T 1158. Radios: 1154, 1155.
TEST(Monostable555Form, OpensAndSolvesForTheCapacitor) {
    CMonostable555Dlg form;
    harness::Open(form);
    EXPECT_EQ(form.windowTitle(), "Monostable oscillator, 555 based");
    EXPECT_EQ(harness::Text(form, 1156), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1157), "10.00 n");
    EXPECT_EQ(harness::Text(form, 1158), "24.20 \xb5");
    EXPECT_FALSE(harness::Enabled(form, 1158));

    harness::Click(form, 1155);  // "R1 and T": the shown pulse gives C back
    EXPECT_TRUE(harness::Enabled(form, 1158));
    EXPECT_FALSE(harness::Enabled(form, 1157));
    EXPECT_EQ(harness::Text(form, 1157), "10.00 n");
    harness::Type(form, 1156, "10k");
    harness::Enter(form, 1158, "1m");
    EXPECT_EQ(harness::Text(form, 1157), "90.91 n");
    harness::Enter(form, 1156, "0");
    EXPECT_EQ(harness::Text(form, 1157), "Error");
    harness::Type(form, 1156, "1p");
    harness::Enter(form, 1158, "38.93\xb5");
    EXPECT_EQ(harness::Text(form, 1157), "35.39 M");
}

TEST(Monostable555Form, OpenedFromItsMenuCommand) {
    const auto form = harness::OpenCommand(32802);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CMonostable555Dlg");
    EXPECT_EQ(harness::Text(*form, 1158), "24.20 \xb5");
}

}  // namespace
