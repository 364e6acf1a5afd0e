#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "engine/opamp/Summator.h"
#include "tests/engine/OpAmpComputeRows.h"

using namespace summator;

namespace {

constexpr double E = kErrorValue;

TEST(SummatorCompute, EveryModeAndGuard) {
    const double g = 2.1363636363636362;  // 4700 / 2200
    opamp_rows::ExpectRows(ComputeSummator,
                           {
                               // fields: G1, G2, R1, R2, R3
                               {kResistors, {0, 0, 2200, 2200, 4700}, {g, g, 2200, 2200, 4700}},
                               {kResistors, {0, 0, 1000, 4000, 2000}, {2, 0.5, 1000, 4000, 2000}},
                               // Any missing resistor fails both gains, even one that could be computed.
                               {kResistors, {7, 7, 2200, 0, 4700}, {E, E, 2200, 0, 4700}},
                               {kResistors, {7, 7, 0, 2200, 4700}, {E, E, 0, 2200, 4700}},
                               {kResistors, {7, 7, 2200, 2200, 1e-12}, {E, E, 2200, 2200, 1e-12}},
                               {kGainsAndR3, {10, 1, 0, 0, 100000}, {10, 1, 10000, 100000, 100000}},
                               {kGainsAndR3, {0, 1, 5, 5, 100000}, {0, 1, E, E, 100000}},
                               {kGainsAndR3, {10, 0, 5, 5, 100000}, {10, 0, E, E, 100000}},
                               {kGainsAndR3, {10, 1, 5, 5, 0}, {10, 1, E, E, 0}},
                               {-1, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
                           });
}

}  // namespace
