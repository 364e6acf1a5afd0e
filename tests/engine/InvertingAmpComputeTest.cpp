#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "engine/opamp/InvertingAmp.h"
#include "tests/engine/OpAmpComputeRows.h"

using namespace gain_stage;

namespace {

constexpr double E = kErrorValue;

TEST(InvertingAmpCompute, EveryModeAndGuard) {
    opamp_rows::ExpectRows(ComputeInvertingAmp,
                           {
                               // fields: G, R1, R2
                               {kR1AndR2, {0, 2200, 4700}, {2.1363636363636362, 2200, 4700}},
                               {kR1AndR2, {7, 0, 4700}, {E, 0, 4700}},
                               {kR1AndR2, {7, 1e-12, 4700}, {E, 1e-12, 4700}},  // exactly tiny is absent
                               {kR1AndR2, {7, 1000, 0}, {0, 1000, 0}},
                               {kR1AndG, {5, 1000, 0}, {5, 1000, 5000}},
                               {kR1AndG, {0, 1000, 9}, {0, 1000, 0}},  // no error case in this mode
                               {kR1AndG, {5, 0, 9}, {5, 0, 0}},
                               {-1, {1, 2, 3}, {1, 2, 3}},
                           });
}

}  // namespace
