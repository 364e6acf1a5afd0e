#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/semiconductors/Zener.h"

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

}  // namespace
