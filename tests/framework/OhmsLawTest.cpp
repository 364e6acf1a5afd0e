#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/EngValue.h"
#include "forms/passive/OhmsLawDlg.h"
#include "tests/support/FormHarness.h"

using namespace ohms_law;

namespace {

struct Row {
    int mode;
    double i, p, r, u;  // inputs (unused ones are ignored by the mode)
    double wantI, wantP, wantR, wantU;
};

constexpr double E = kErrorValue;

TEST(OhmsLawCompute, EveryModeAndGuard) {
    const Row rows[] = {
        // mode       I      P     R     U      -> I      P      R       U
        {kRAndI, 0.01, 0, 1200, 0, 0.01, 0.12, 1200, 12},
        {kRAndI, 0, 0, 1200, 0, 0, 0, 1200, 0},
        {kRAndU, 0, 0, 100, 10, 0.1, 1, 100, 10},
        {kRAndU, 5, 5, 0, 10, E, E, 0, 10},
        {kRAndU, 0, 0, 1e-12, 1e-12, 1, 1e-12, 1e-12, 1e-12},  // exactly tiny passes
        {kRAndP, 0, 4, 100, 0, 0.2, 4, 100, 20},
        {kRAndP, 0, 4, 0, 0, E, 4, 0, 0},  // U still computed
        {kIAndU, 0.5, 0, 0, 10, 0.5, 5, 20, 10},
        {kIAndU, 0, 0, 0, 10, 0, 0, E, 10},  // P still computed
        {kIAndP, 2, 8, 0, 0, 2, 8, 2, 4},
        {kIAndP, 0, 8, 0, 0, 0, 8, E, E},
        {kUAndP, 0, 2, 0, 4, 0.5, 2, 8, 4},
        {kUAndP, 0, 0, 0, 0, E, 0, E, 0},
        {kUAndP, 0, 0, 0, 4, 0, 0, E, 4},
        {kUAndP, 0, 2, 0, 0, E, 2, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << " I " << row.i << " P " << row.p << " R "
                                          << row.r << " U " << row.u);
        std::array<double, 4> v{};
        v[kI] = row.i;
        v[kP] = row.p;
        v[kR] = row.r;
        v[kU] = row.u;
        const int modes[] = {row.mode};
        ComputeOhmsLaw(v, modes);
        EXPECT_DOUBLE_EQ(v[kI], row.wantI);
        EXPECT_DOUBLE_EQ(v[kP], row.wantP);
        EXPECT_DOUBLE_EQ(v[kR], row.wantR);
        EXPECT_DOUBLE_EQ(v[kU], row.wantU);
    }
}

TEST(OhmsLawCompute, NoModeComputesNothing) {
    std::array<double, 4> v{1, 2, 3, 4};
    const int modes[] = {-1};
    ComputeOhmsLaw(v, modes);
    EXPECT_EQ(v, (std::array<double, 4>{1, 2, 3, 4}));
}

// Field ids: I 1000, R 1001, U 1002, P 1006.
TEST(OhmsLawForm, OpensWithEveryOutputFilled) {
    COhmsLawDlg form;
    harness::Open(form);
    EXPECT_EQ(form.objectName(), "COhmsLawDlg");
    EXPECT_EQ(form.windowTitle(), "Ohm's Law");
    EXPECT_EQ(harness::Text(form, 1000), "10.00 m");
    EXPECT_EQ(harness::Text(form, 1001), "1.20 K");
    EXPECT_EQ(harness::Text(form, 1002), "12.00  ");
    EXPECT_EQ(harness::Text(form, 1006), "120.00 m");
    EXPECT_TRUE(harness::Enabled(form, 1000));
    EXPECT_TRUE(harness::Enabled(form, 1001));
    EXPECT_FALSE(harness::Enabled(form, 1002));
    EXPECT_FALSE(harness::Enabled(form, 1006));
}

TEST(OhmsLawForm, ModeSwitchTurnsOutputsIntoInputs) {
    COhmsLawDlg form;
    harness::Open(form);
    harness::Click(form, 1011);  // "U and P": 12 V and 120 mW as shown
    EXPECT_TRUE(harness::Enabled(form, 1002));
    EXPECT_TRUE(harness::Enabled(form, 1006));
    EXPECT_FALSE(harness::Enabled(form, 1000));
    EXPECT_EQ(harness::Text(form, 1001), "1.20 K");
    EXPECT_EQ(harness::Text(form, 1000), "10.00 m");
    harness::Enter(form, 1002, "0");
    harness::Enter(form, 1006, "-0");
    EXPECT_EQ(harness::Text(form, 1001), "Error");
    EXPECT_EQ(harness::Text(form, 1000), "Error");
}

TEST(OhmsLawForm, FailureRowsThroughTheForm) {
    struct Case {
        int radio;
        int field;
        const char* typed;
        std::vector<int> errorIds;
        std::vector<int> numberIds;
    };
    const Case cases[] = {
        {1007, 1001, "0", {1000, 1006}, {1002}}, {1008, 1001, "0", {1000}, {1002, 1006}},
        {1009, 1000, "0", {1001}, {1006, 1002}}, {1010, 1000, "0", {1001, 1002}, {1006}},
        {1011, 1006, "0", {1001}, {1000, 1002}}, {1011, 1002, "0", {1000}, {1001, 1006}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radio);
        COhmsLawDlg form;
        harness::Open(form);
        harness::Click(form, c.radio);
        harness::Enter(form, c.field, c.typed);
        for (int id : c.errorIds)
            EXPECT_EQ(harness::Text(form, id), "Error") << id;
        for (int id : c.numberIds)
            EXPECT_NE(harness::Text(form, id), "Error") << id;
    }
}

TEST(OhmsLawForm, NegativeInputIsTakenAsItsMagnitude) {
    COhmsLawDlg form;
    harness::Open(form);
    harness::Enter(form, 1001, "-2.2k");
    EXPECT_EQ(harness::Text(form, 1001), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1002), "22.00  ");
}

}  // namespace
