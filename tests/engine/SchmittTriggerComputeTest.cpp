#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "engine/opamp/SchmittTrigger.h"
#include "tests/engine/OpAmpComputeRows.h"

using namespace schmitt_trigger;

namespace {

constexpr double E = kErrorValue;

TEST(SchmittTriggerCompute, EveryModeAndGuard) {
    opamp_rows::ExpectRows(
        ComputeSchmittTrigger,
        {
            // fields: R1, R2, Upwr, Utrig
            {kResistorsAndSupply, {2200, 4700, 12, 0}, {2200, 4700, 12, 5.617021276595745}},
            // R1 is only a factor, yet a zero R1 is refused like the divisor.
            {kResistorsAndSupply, {0, 4700, 12, 3}, {0, 4700, 12, E}},
            {kResistorsAndSupply, {2200, 0, 12, 3}, {2200, 0, 12, E}},
            {kResistorsAndSupply, {2200, 4700, 1e-12, 3}, {2200, 4700, 1e-12, E}},
            {kThresholdAndSupply, {0, 4700, 12, 1}, {391.66666666666663, 4700, 12, 1}},
            {kThresholdAndSupply, {0, 4700, 12, 15}, {5875, 4700, 12, 15}},  // above the supply
            {kThresholdAndSupply, {9, 0, 12, 1}, {E, 0, 12, 1}},
            {kThresholdAndSupply, {9, 4700, 12, 0}, {E, 4700, 12, 0}},
            {kThresholdAndSupply, {9, 4700, 0, 1}, {E, 4700, 0, 1}},
            {-1, {1, 2, 3, 4}, {1, 2, 3, 4}},
        });
}

}  // namespace
