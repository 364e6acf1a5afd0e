#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "engine/opamp/NonInvertingAmp.h"
#include "tests/engine/OpAmpComputeRows.h"

using namespace gain_stage;

namespace {

constexpr double E = kErrorValue;

TEST(NonInvertingAmpCompute, EveryModeAndGuard) {
    opamp_rows::ExpectRows(ComputeNonInvertingAmp,
                           {
                               // fields: G, R1, R2
                               {kR1AndR2, {0, 2200, 4700}, {3.1363636363636362, 2200, 4700}},
                               {kR1AndR2, {7, 1000, 0}, {1, 1000, 0}},
                               {kR1AndR2, {7, 0, 4700}, {E, 0, 4700}},
                               {kR1AndR2, {7, 1e-12, 4700}, {E, 1e-12, 4700}},
                               {kR1AndG, {2, 10000, 0}, {2, 10000, 10000}},
                               {kR1AndG, {1.5, 2000, 0}, {1.5, 2000, 1000}},
                               // A gain of one or less cannot be built: only R2 fails, R1 is kept.
                               {kR1AndG, {1, 10000, 9}, {1, 10000, E}},
                               {kR1AndG, {0.5, 10000, 9}, {0.5, 10000, E}},
                               {kR1AndG, {0, 10000, 9}, {0, 10000, E}},
                               {-1, {1, 2, 3}, {1, 2, 3}},
                           });
}

}  // namespace
