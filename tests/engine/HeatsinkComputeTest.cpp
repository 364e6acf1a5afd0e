#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/semiconductors/Heatsink.h"

using namespace heatsink;

namespace {

constexpr double E = kErrorValue;

TEST(HeatsinkCompute, ModesAndGuards) {
    struct Row {
        int mode;
        std::array<double, 6> in;    // RthHA, RthPH, RthJP, Ta, Tjmax, Pmax
        std::array<double, 6> want;  // the same fields after the computation
    };
    const Row rows[] = {
        // (175 - 25) / 10 - 0.6 - 2
        {kAllButRthHA, {0, 0.6, 2, 25, 175, 10}, {12.4, 0.6, 2, 25, 175, 10}},
        // a cold room: (175 + 10) / 10 - 2.6
        {kAllButRthHA, {0, 0.6, 2, -10, 175, 10}, {15.9, 0.6, 2, -10, 175, 10}},
        // exactly no heatsink needed is still an answer; below that it is not
        {kAllButRthHA, {1, 13, 2, 25, 175, 10}, {0, 13, 2, 25, 175, 10}},
        {kAllButRthHA, {1, 0.6, 2, 25, 175, 100}, {E, 0.6, 2, 25, 175, 100}},
        {kAllButRthHA, {1, 0.6, 2, 175, 175, 10}, {E, 0.6, 2, 175, 175, 10}},
        {kAllButRthHA, {1, 0.6, 2, 200, 175, 10}, {E, 0.6, 2, 200, 175, 10}},
        {kAllButRthHA, {1, 0.6, 2, 25, 175, 0}, {E, 0.6, 2, 25, 175, 0}},
        {kAllButRthHA, {1, 0.6, 2, 25, 175, 1e-12}, {E, 0.6, 2, 25, 175, 1e-12}},
        // 175 - 5.6 * 10; a large power gives an ambient below zero
        {kAllButTa, {3, 0.6, 2, 99, 175, 10}, {3, 0.6, 2, 119, 175, 10}},
        {kAllButTa, {3, 0.6, 2, 99, 175, 100}, {3, 0.6, 2, -385, 175, 100}},
        {kAllButTjmax, {3, 0.6, 2, 25, 0, 10}, {3, 0.6, 2, 25, 81, 10}},
        {kAllButTjmax, {3, 0.6, 2, -50, 0, 5}, {3, 0.6, 2, -50, -22, 5}},
        {-1, {3, 0.6, 2, 25, 175, 10}, {3, 0.6, 2, 25, 175, 10}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << row.mode << " Ta " << row.in[kTa] << " Pmax " << row.in[kPmax]);
        std::array<double, 6> v = row.in;
        const int modes[] = {row.mode};
        ComputeHeatsink(v, modes);
        for (size_t i = 0; i < v.size(); ++i)
            EXPECT_NEAR(v[i], row.want[i], 1e-12) << "field " << i;
    }
}

}  // namespace
