#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/semiconductors/ZenerDlg.h"
#include "tests/support/FormHarness.h"

using namespace zener;

namespace {

constexpr double E = kErrorValue;

TEST(ZenerCompute, ModesAndGuards) {
    struct Row {
        int mode;
        std::array<double, 7> in;    // Umax, Umin, Uz, Pzmax, R, Icmax, Rcmin
        std::array<double, 7> want;  // the same fields after the computation
    };
    // Mode 0 with 13 V to 10 V and a 5.6 V, 400 mW zener: R = 7.4 / 0.4 * 5.6,
    // Icmax = 4.4 V / R, Rcmin = 5.6 V / Icmax.
    const double r0 = 103.6;
    const double ic0 = 4.4 / r0;
    const Row rows[] = {
        {kFromZenerPower, {13, 10, 5.6, 0.4, 0, 0, 0}, {13, 10, 5.6, 0.4, r0, ic0, 5.6 / ic0}},
        {kFromZenerPower, {10, 10, 5.6, 0.4, 1, 1, 1}, {10, 10, 5.6, 0.4, E, E, E}},
        {kFromZenerPower, {9, 10, 5.6, 0.4, 1, 1, 1}, {9, 10, 5.6, 0.4, E, E, E}},
        {kFromZenerPower, {13, 10, 10, 0.4, 1, 1, 1}, {13, 10, 10, 0.4, E, E, E}},
        {kFromZenerPower, {13, 10, 0, 0.4, 1, 1, 1}, {13, 10, 0, 0.4, E, E, E}},
        {kFromZenerPower, {13, 10, 5.6, 0, 1, 1, 1}, {13, 10, 5.6, 0, E, E, E}},
        // Rcmin = 5.6 / 10 mA, R = 4.4 / 5.6 * 560, Pzmax = 7.4 / 440 * 5.6
        {kFromLoadCurrent, {13, 10, 5.6, 0, 0, 0.01, 0}, {13, 10, 5.6, 7.4 / 440 * 5.6, 440, 0.01, 560}},
        {kFromLoadCurrent, {10, 10, 5.6, 0, 1, 0.01, 1}, {10, 10, 5.6, E, E, 0.01, E}},
        {kFromLoadCurrent, {13, 10, 10, 0, 1, 0.01, 1}, {13, 10, 10, E, E, 0.01, E}},
        {kFromLoadCurrent, {13, 10, 0, 0, 1, 0.01, 1}, {13, 10, 0, E, E, 0.01, E}},
        {kFromLoadCurrent, {13, 10, 5.6, 0, 1, 0, 1}, {13, 10, 5.6, E, E, 0, E}},
        // Umin = (100 / 560 + 1) * 5.6 = 6.6, Umax = 0.4 / 5.6 * 100 + 5.6
        {kFromResistor, {0, 0, 5.6, 0.4, 100, 0.01, 0}, {40 / 5.6 + 5.6, 6.6, 5.6, 0.4, 100, 0.01, 560}},
        {kFromResistor, {1, 1, 5.6, 0.4, 0, 0.01, 0}, {E, E, 5.6, 0.4, 0, 0.01, E}},
        // the zener carries at most 2 mA, less than the load's 10 mA
        {kFromResistor, {1, 1, 5, 0.01, 100, 0.01, 0}, {E, E, 5, 0.01, 100, 0.01, E}},
        {kFromResistor, {1, 1, 0, 0.4, 100, 0.01, 0}, {E, E, 0, 0.4, 100, 0.01, E}},
        {kFromResistor, {1, 1, 5.6, 0.4, 100, 0, 0}, {E, E, 5.6, 0.4, 100, 0, E}},
        {-1, {13, 10, 5.6, 0.4, 1, 2, 3}, {13, 10, 5.6, 0.4, 1, 2, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << " Umax " << row.in[kUmax] << " Uz "
                                          << row.in[kUz] << " R " << row.in[kR]);
        std::array<double, 7> v = row.in;
        const int modes[] = {row.mode};
        ComputeZener(v, modes);
        for (size_t i = 0; i < v.size(); ++i)
            EXPECT_DOUBLE_EQ(v[i], row.want[i]) << "field " << i;
    }
}

// Fields: Umax 1083, Umin 1084, Uz 1085, Pzmax 1086, R 1087, Icmax 1088,
// Rcmin 1089; radios 1080, 1081, 1082.
TEST(ZenerForm, OpensFromItsMenuCommandWithTheResistorSized) {
    auto form = harness::OpenCommand(32796);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CZenerDlg");
    EXPECT_EQ(form->windowTitle(), "Zener diode");
    EXPECT_EQ(harness::Text(*form, 1083), "13.00  ");
    EXPECT_EQ(harness::Text(*form, 1084), "10.00  ");
    EXPECT_EQ(harness::Text(*form, 1085), "5.60  ");
    EXPECT_EQ(harness::Text(*form, 1086), "400.00 m");
    EXPECT_EQ(harness::Text(*form, 1087), "103.60  ");
    EXPECT_EQ(harness::Text(*form, 1088), "42.47 m");
    EXPECT_EQ(harness::Text(*form, 1089), "131.85  ");
    for (int id : {1087, 1088, 1089})
        EXPECT_FALSE(harness::Enabled(*form, id)) << id;
}

TEST(ZenerForm, EachModeTakesTheShownResultsAsInputs) {
    CZenerDlg form;
    harness::Open(form);
    harness::Click(form, 1081);  // Icmax 42.47 m as shown
    EXPECT_TRUE(harness::Enabled(form, 1088));
    EXPECT_FALSE(harness::Enabled(form, 1086));
    EXPECT_EQ(harness::Text(form, 1089), "131.86  ");
    EXPECT_EQ(harness::Text(form, 1087), "103.60  ");
    EXPECT_EQ(harness::Text(form, 1086), "399.99 m");
    harness::Enter(form, 1088, "10m");
    EXPECT_EQ(harness::Text(form, 1089), "560.00  ");
    EXPECT_EQ(harness::Text(form, 1087), "440.00  ");
    EXPECT_EQ(harness::Text(form, 1086), "94.18 m");
    harness::Click(form, 1082);  // R 440 and Pzmax 94.18 m give the range back
    EXPECT_FALSE(harness::Enabled(form, 1083));
    EXPECT_TRUE(harness::Enabled(form, 1087));
    EXPECT_EQ(harness::Text(form, 1084), "10.00  ");
    EXPECT_EQ(harness::Text(form, 1083), "13.00  ");
    harness::Enter(form, 1087, "0");
    for (int id : {1083, 1084, 1089})
        EXPECT_EQ(harness::Text(form, id), "Error") << id;
}

}  // namespace
