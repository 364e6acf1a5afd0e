#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/opamp/Subtractor.h"
#include "tests/engine/OpAmpComputeRows.h"

using namespace subtractor;

namespace {

constexpr double E = kErrorValue;

TEST(SubtractorCompute, EveryModeAndGuard) {
    const double g = 2.1363636363636362;  // 4700 / 2200
    opamp_rows::ExpectRows(
        ComputeSubtractor,
        {
            // fields: G1, G2, R1, R2, R3
            {kResistors, {0, 0, 2200, 4700, 2200}, {g, g, 2200, 4700, 2200}},
            {kResistors, {0, 0, 1000, 10000, 4000}, {10, 7.857142857142857, 1000, 10000, 4000}},
            {kResistors, {7, 7, 0, 10000, 4000}, {E, E, 0, 10000, 4000}},
            {kResistors, {7, 7, 1000, 1e-12, 4000}, {E, E, 1000, 1e-12, 4000}},
            {kResistors, {7, 7, 1000, 10000, 0}, {E, E, 1000, 10000, 0}},
            {kGainsAndR2, {2, 2, 0, 10000, 0}, {2, 2, 5000, 10000, 5000}},
            // Gains no divider gives: no negative R3, but R1 still; R3 zero at G2 = 1 + G1.
            {kGainsAndR2, {1, 3, 0, 10000, 0}, {1, 3, 10000, 10000, E}},
            {kGainsAndR2, {1, 2.0000001, 0, 10000, 0}, {1, 2.0000001, 10000, 10000, E}},
            {kGainsAndR2, {1, 2, 0, 10000, 9}, {1, 2, 10000, 10000, 0}},
            {kGainsAndR2, {0, 2, 5, 10000, 5}, {0, 2, E, 10000, E}},
            {kGainsAndR2, {2, 0, 5, 10000, 5}, {2, 0, E, 10000, E}},
            {kGainsAndR2, {2, 2, 5, 0, 5}, {2, 2, E, 0, E}},
            {-1, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
        });
}

TEST(SubtractorCompute, GainsThenResistorsBack) {
    for (const auto& [r1, r2, r3] :
         {std::array{1000.0, 10000.0, 4000.0}, std::array{3300.0, 47000.0, 12000.0},
          std::array{2200.0, 4700.0, 2200.0}}) {
        SCOPED_TRACE(::testing::Message() << r1 << " " << r2 << " " << r3);
        std::array<double, 5> v{};
        v[kR1] = r1;
        v[kR2] = r2;
        v[kR3] = r3;
        const int gains[] = {kResistors};
        ComputeSubtractor(v, gains);
        v[kR1] = 0;
        v[kR3] = 0;
        const int resistors[] = {kGainsAndR2};
        ComputeSubtractor(v, resistors);
        EXPECT_NEAR(v[kR1], r1, r1 * 1e-12);
        EXPECT_NEAR(v[kR3], r3, r3 * 1e-12);
    }
}

}  // namespace
