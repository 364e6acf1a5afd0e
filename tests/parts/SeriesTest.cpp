#include <gtest/gtest.h>

#include <cmath>

#include "core/EngValue.h"
#include "engine/parts/ESeries.h"
#include "engine/parts/Pairs.h"

using namespace engine::parts;

namespace {

std::vector<int> EveryNth(std::span<const int> values, size_t n) {
    std::vector<int> picked;
    for (size_t i = 0; i < values.size(); i += n)
        picked.push_back(values[i]);
    return picked;
}

std::vector<int> Span(std::span<const int> values) {
    return {values.begin(), values.end()};
}

// The rounded geometric series the wide-tolerance series are defined by.
std::vector<int> Geometric(int n) {
    std::vector<int> values;
    for (int i = 0; i < n; ++i)
        values.push_back(static_cast<int>(std::lround(100 * std::pow(10.0, i / static_cast<double>(n)))));
    return values;
}

TEST(Series, MatchTheStandardTables) {
    // E24 as published, not as rounded powers of ten (2.7 ... 3.0 ... 8.2 ... 9.1).
    const std::vector<int> e24 = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                  330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
    EXPECT_EQ(Span(SeriesHundredths(Series::kE24)), e24);
    EXPECT_EQ(Span(SeriesHundredths(Series::kE12)), EveryNth(e24, 2));
    EXPECT_EQ(Span(SeriesHundredths(Series::kE6)), EveryNth(e24, 4));
    EXPECT_EQ(Span(SeriesHundredths(Series::kE3)), EveryNth(e24, 8));
    EXPECT_EQ(Span(SeriesHundredths(Series::kE48)), Geometric(48));
    EXPECT_EQ(Span(SeriesHundredths(Series::kE96)), Geometric(96));
    std::vector<int> e192 = Geometric(192);
    e192[185] = 920;  // the one published value that is not the rounded power
    EXPECT_EQ(Span(SeriesHundredths(Series::kE192)), e192);

    EXPECT_EQ(SeriesDecade(Series::kE6), (std::vector<double>{1.0, 1.5, 2.2, 3.3, 4.7, 6.8}));
    for (const Series series : kAllSeries)
        EXPECT_EQ(ParseSeries(SeriesName(series)), series);
    EXPECT_EQ(ParseSeries("e96"), Series::kE96);
    EXPECT_FALSE(ParseSeries("E25"));
}

struct StepCase {
    const char* what;
    double value;
    Series series;
    double nearest, below, above;  // 0 for none
};

double Of(const std::optional<StandardValue>& value) {
    return value ? value->Value() : 0;
}

TEST(Series, NearestBelowAboveAtDecadeEdgesAndTies) {
    const StepCase cases[] = {
        {"just under a decade", 9.9, Series::kE12, 10, 8.2, 10},
        {"on a decade", 1.0, Series::kE12, 1.0, 0.82, 1.2},
        {"a field's 4.7k (4699.9998)", ParseEngValue("4.7k"), Series::kE12, 4700, 3900, 5600},
        {"a hair under 1k", 999.9999, Series::kE24, 1000, 910, 1100},
        {"tie goes up", 1.1, Series::kE12, 1.2, 1.0, 1.2},
        {"tie of a parsed 8.4n goes up", ParseEngValue("8.4n"), Series::kE6, 10e-9, 6.8e-9, 10e-9},
        {"E192's 9.20", 9.17e3, Series::kE192, 9.2e3, 9.09e3, 9.2e3},
        {"bottom of the range", 1e-15, Series::kE12, 1e-15, 0, 1.2e-15},
        {"below the range", 3e-17, Series::kE12, 1e-15, 0, 1e-15},
        {"top of the range", 9.1e15, Series::kE24, 9.1e15, 8.2e15, 0},
        {"above the range", 1e17, Series::kE24, 9.1e15, 9.1e15, 0},
        {"zero", 0, Series::kE24, 0, 0, 0},
        {"an error value", kErrorValue, Series::kE24, 0, 0, 0},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(Of(Nearest(c.value, c.series)), c.nearest);
        EXPECT_DOUBLE_EQ(Of(NextBelow(c.value, c.series)), c.below);
        EXPECT_DOUBLE_EQ(Of(NextAbove(c.value, c.series)), c.above);
    }
    const StandardValue one = *Nearest(1.0, Series::kE12);
    EXPECT_DOUBLE_EQ(Step(one, -1).Value(), 0.82);
    EXPECT_DOUBLE_EQ(Step(one, 13).Value(), 12);
    EXPECT_DOUBLE_EQ(Step(*Nearest(1e-15, Series::kE12), -3).Value(), 1e-15);
}

TEST(Pairs, KnownAnswers) {
    struct PairCase {
        double target;
        Series series;
        bool found, reciprocal;
        double a, b;
    };
    const PairCase cases[] = {
        {9e3, Series::kE6, true, false, 6.8e3, 2.2e3},  // 10 K would be 11 % off
        {50, Series::kE12, true, true, 100, 100},       // two 100 ohm in parallel
        {4.7e3, Series::kE12, false, false, 0, 0},      // a single part already is the value
        {8.2e-9, Series::kE24, false, false, 0, 0},
    };
    for (const PairCase& c : cases) {
        SCOPED_TRACE(c.target);
        const std::optional<PartPair> pair = BestPair(c.target, Of(Nearest(c.target, c.series)), c.series);
        ASSERT_EQ(pair.has_value(), c.found);
        if (!pair)
            continue;
        EXPECT_EQ(pair->reciprocal, c.reciprocal);
        EXPECT_DOUBLE_EQ(pair->a, c.a);
        EXPECT_DOUBLE_EQ(pair->b, c.b);
        EXPECT_NEAR(pair->value, c.target, 1e-9 * c.target);
    }
    // Whatever the target, a pair found is closer than the single value and made of standard values.
    for (double target = 1.013; target < 1e4; target *= 1.37) {
        const double single = Of(Nearest(target, Series::kE12));
        if (const std::optional<PartPair> pair = BestPair(target, single, Series::kE12)) {
            EXPECT_LT(std::fabs(pair->value - target), std::fabs(single - target)) << target;
            EXPECT_DOUBLE_EQ(Of(Nearest(pair->a, Series::kE12)), pair->a);
            EXPECT_DOUBLE_EQ(Of(Nearest(pair->b, Series::kE12)), pair->b);
        }
    }
}

}  // namespace
