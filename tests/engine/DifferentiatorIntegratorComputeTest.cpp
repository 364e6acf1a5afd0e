#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "engine/opamp/RcTimeStage.h"
#include "tests/engine/OpAmpComputeRows.h"

using namespace rc_time;

namespace {

constexpr double E = kErrorValue;

TEST(RcTimeStageCompute, EveryModeAndGuard) {
    opamp_rows::ExpectRows(ComputeRcTimeStage,
                           {
                               // fields: C, DeltaT, R
                               {kRAndC, {1e-8, 0, 2200}, {1e-8, 1.5399999999999998e-05, 2200}},
                               {kRAndC, {1e-8, 5, 0}, {1e-8, 0, 0}},
                               {kRAndC, {0, 5, 2200}, {0, 0, 2200}},
                               {kRAndDeltaT, {0, 1e-3, 10000}, {1.4285714285714285e-07, 1e-3, 10000}},
                               {kRAndDeltaT, {3, 0, 10000}, {E, 0, 10000}},
                               {kRAndDeltaT, {3, 1e-12, 10000}, {E, 1e-12, 10000}},  // exactly tiny is absent
                               {kRAndDeltaT, {3, 1e-3, 0}, {E, 1e-3, 0}},            // infinite capacitance
                               {-1, {1, 2, 3}, {1, 2, 3}},
                           });
}

}  // namespace
