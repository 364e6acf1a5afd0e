#include <gtest/gtest.h>

#include <array>
#include "core/EngValue.h"
#include "engine/oscillators/Astable555.h"

using namespace astable555;

namespace {

constexpr double E = kErrorValue;
using Values = std::array<double, 8>;  // C, duty %, F, R1, R2, T, Th, Tl

struct Row {
    const char* what;
    int mode;
    Values in;
    Values want;
};

TEST(Astable555Compute, EveryModeAndGuard) {
    const Row rows[] = {
        // clang-format off
        // C      duty  F      R1    R2    T  Th    Tl
        {"resistors", kR1R2AndC,
         {1e-8,   0,    0,     2200, 2200, 0, 0,    0},
         {1e-8, 66.66666666666667, 21863.658227294593, 2200, 2200, 4.5737999999999995e-05,
          3.0491999999999995e-05, 1.5245999999999998e-05}},
        // An R1 below 100 ohm is no value to compute with; Tl does not need it.
        {"R1 below the minimum", kR1R2AndC,
         {1e-8,   0,    0,     47,   2200, 0, 0,    0},
         {1e-8,   E,    E,     E,    2200, E, E,    1.5245999999999998e-05}},
        {"R1 at the minimum", kR1R2AndC,
         {1e-8,   0,    0,     100,  1000, 0, 0,    0},
         {1e-8, 52.38095238095239, 68714.35442864016, 100, 1000, 1.4552999999999998e-05,
          7.622999999999999e-06, 6.93e-06}},
        {"no capacitor", kR1R2AndC,
         {0,      0,    0,     2200, 2200, 0, 0,    0},
         {0, 66.66666666666667, E, 2200, 2200, 0, 0, 0}},

        {"times", kCThAndTl,
         {1e-8,   0,    0,     0,    0,    0, 1e-3, 5e-4},
         {1e-8, 66.66666666666667, 666.6666666666666, 72150.07215007216, 72150.07215007216, 0.0015,
          1e-3, 5e-4}},
        {"equal times", kCThAndTl,
         {1e-8,   0,    0,     0,    0,    0, 1e-3, 1e-3},
         {1e-8,   E,    E,     E,    E,    E, 1e-3, 1e-3}},
        {"low time longer", kCThAndTl,
         {1e-8,   0,    0,     0,    0,    0, 1e-3, 2e-3},
         {1e-8,   E,    E,     E,    E,    E, 1e-3, 2e-3}},
        {"capacitor at the tiny limit", kCThAndTl,
         {1e-12,  0,    0,     0,    0,    0, 1e-3, 5e-4},
         {1e-12,  E,    E,     E,    E,    E, 1e-3, 5e-4}},
        // R2, T and F stand; the duty would need R1.
        {"computed R1 below the minimum", kCThAndTl,
         {1e-6,   0,    0,     0,    0,    0, 1.5e-4, 1e-4},
         {1e-6,   E,    4000,  E,    144.30014430014432, 0.00025, 1.5e-4, 1e-4}},
        {"computed R1 at the minimum", kCThAndTl,
         {1e-6,   0,    0,     0,    0,    0, 6.929999999999999e-05, 0},
         {1e-6,   100,  14430.014430014431, 100, 0, 6.929999999999999e-05, 6.929999999999999e-05, 0}},

        {"frequency and duty", kCFAndDuty,
         {1e-8,   60,   1000,  0,    0,    0, 0,    0},
         {1e-8,   60,   1000,  28860.028860028862, 57720.057720057725, 0.001, 0.0006000000000000001,
          0.0004}},
        {"duty of one half", kCFAndDuty,
         {1e-8,   50,   1000,  0,    0,    0, 0,    0},
         {1e-8,   50,   1000,  E,    E,    E, E,    E}},
        {"full duty", kCFAndDuty,
         {1e-8,   100,  1000,  0,    0,    0, 0,    0},
         {1e-8,   100,  1000,  144300.1443001443, 0, 0.001, 0.001, 0}},
        // More than 100 % would ask for a negative R2 and low time.
        {"duty above full", kCFAndDuty,
         {1e-8,   150,  1000,  0,    0,    0, 0,    0},
         {1e-8,   150,  1000,  E,    E,    E, E,    E}},
        {"no frequency", kCFAndDuty,
         {1e-8,   60,   0,     0,    0,    0, 0,    0},
         {1e-8,   60,   0,     E,    E,    E, E,    E}},
        {"frequency at the tiny limit", kCFAndDuty,
         {1e-8,   60,   1e-12, 0,    0,    0, 0,    0},
         {1e-8,   60,   1e-12, E,    E,    E, E,    E}},
        {"no capacitor", kCFAndDuty,
         {0,      60,   1000,  0,    0,    0, 0,    0},
         {0,      60,   1000,  E,    E,    E, E,    E}},
        // Th would need R1; R2, T and Tl stand.
        {"computed R1 below the minimum", kCFAndDuty,
         {1e-6,   60,   1e4,   0,    0,    0, 0,    0},
         {1e-6,   60,   1e4,   E,    57.720057720057724, 1e-4, E, 3.9999999999999996e-05}},
        {"no mode", -1,
         {1e-8,   60,   1,     2,    3,    4, 5,    6},
         {1e-8,   60,   1,     2,    3,    4, 5,    6}},
        // clang-format on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << ": " << row.what);
        Values v = row.in;
        const int modes[] = {row.mode};
        ComputeAstable555(v, modes);
        const char* names[] = {"C", "duty", "F", "R1", "R2", "T", "Th", "Tl"};
        for (size_t i = 0; i < v.size(); ++i)
            EXPECT_EQ(v[i], row.want[i]) << names[i];
    }
}

}  // namespace
