#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/opamp/SummatorDlg.h"
#include "tests/support/FormHarness.h"

using namespace summator;

namespace {

constexpr double E = kErrorValue;

struct Row {
    int mode;
    std::array<double, 5> in;    // G1, G2, R1, R2, R3
    std::array<double, 5> want;  // the same after the computation
};

TEST(SummatorCompute, EveryModeAndGuard) {
    const double g = 2.1363636363636362;  // 4700 / 2200
    const Row rows[] = {
        {kResistors, {0, 0, 2200, 2200, 4700}, {g, g, 2200, 2200, 4700}},
        {kResistors, {0, 0, 1000, 4000, 2000}, {2, 0.5, 1000, 4000, 2000}},
        // Any missing resistor fails both gains, even the one that could be computed.
        {kResistors, {7, 7, 2200, 0, 4700}, {E, E, 2200, 0, 4700}},
        {kResistors, {7, 7, 0, 2200, 4700}, {E, E, 0, 2200, 4700}},
        {kResistors, {7, 7, 2200, 2200, 1e-12}, {E, E, 2200, 2200, 1e-12}},
        {kGainsAndR3, {10, 1, 0, 0, 100000}, {10, 1, 10000, 100000, 100000}},
        {kGainsAndR3, {0, 1, 5, 5, 100000}, {0, 1, E, E, 100000}},
        {kGainsAndR3, {10, 0, 5, 5, 100000}, {10, 0, E, E, 100000}},
        {kGainsAndR3, {10, 1, 5, 5, 0}, {10, 1, E, E, 0}},
        {-1, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << row.mode << " G1 " << row.in[0] << " G2 " << row.in[1] << " R1 "
                     << row.in[2] << " R2 " << row.in[3] << " R3 " << row.in[4]);
        std::array<double, 5> v = row.in;
        const int modes[] = {row.mode};
        ComputeSummator(v, modes);
        for (size_t i = 0; i < v.size(); ++i)
            EXPECT_EQ(v[i], row.want[i]) << "field " << i;
    }
}

// Field ids: R1 1131, R2 1132, R3 1133, G1 1134, G2 1135; radios 1129, 1130.
TEST(SummatorForm, OpensWithBothGainsAndGivesTheResistorsBack) {
    CSummatorDlg form;
    harness::Open(form);
    EXPECT_EQ(form.windowTitle(), "Summator");
    EXPECT_EQ(harness::Text(form, 1131), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1132), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1133), "4.70 K");
    EXPECT_EQ(harness::Text(form, 1134), "2.14  ");
    EXPECT_EQ(harness::Text(form, 1135), "2.14  ");

    harness::Click(form, 1130);
    EXPECT_FALSE(harness::Enabled(form, 1131));
    EXPECT_FALSE(harness::Enabled(form, 1132));
    EXPECT_TRUE(harness::Enabled(form, 1133));
    EXPECT_TRUE(harness::Enabled(form, 1134));
    // 4700 / 2.14 = 2196 ohm: the resistors come back up to the gains' rounding.
    EXPECT_EQ(harness::Text(form, 1131), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1132), "2.20 K");

    harness::Enter(form, 1135, "0");
    EXPECT_EQ(harness::Text(form, 1131), "Error");
    EXPECT_EQ(harness::Text(form, 1132), "Error");
}

}  // namespace
