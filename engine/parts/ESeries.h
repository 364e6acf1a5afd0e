#pragma once
// The preferred-number series of resistors and capacitors, E3 to E192, and
// the standard values they give in every decade from 1e-15 to 1e15.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace engine::parts {

enum class Series { kE3, kE6, kE12, kE24, kE48, kE96, kE192 };

inline constexpr Series kAllSeries[] = {Series::kE3,  Series::kE6,  Series::kE12, Series::kE24,
                                        Series::kE48, Series::kE96, Series::kE192};

const char* SeriesName(Series series);  // "E24"
// "E24" or "e24"; nothing for an unknown name.
std::optional<Series> ParseSeries(std::string_view name);

// The values of one decade as mantissas in hundredths: 100, 110, 120 ... 910 for E24.
std::span<const int> SeriesHundredths(Series series);
// One decade as numbers from 1.0 to below 10: 1.0, 1.1, 1.2 ... 9.1 for E24.
std::vector<double> SeriesDecade(Series series);

// The usual tolerance of resistors sold in a series, in percent.
double DefaultResistorTolerance(Series series);
// Capacitors come in 10 % whatever the series of their values.
inline constexpr double kDefaultCapacitorTolerance = 10.0;

// A standard value of a series, by its rank from the smallest value of the
// whole range (1e-15): rank = decade index * size + index in the decade.
struct StandardValue {
    Series series;
    int rank;
    double Value() const;
};

// The lowest and highest decades values are taken in.
inline constexpr int kLowestDecade = -15;
inline constexpr int kHighestDecade = 15;

// The nearest standard value (equally near: the one above); values outside the
// range give its ends. Nothing for zero, a negative, infinite or error value.
std::optional<StandardValue> Nearest(double value, Series series);
// The next standard value strictly below or above; a value within a millionth
// of a standard value counts as that value. Nothing beyond the range.
std::optional<StandardValue> NextBelow(double value, Series series);
std::optional<StandardValue> NextAbove(double value, Series series);
// `steps` ranks away from `from`, kept inside the range.
StandardValue Step(StandardValue from, int steps);

// The smallest and largest standard value of the series (1e-15, 9.1e15 for E24).
double LowestValue(Series series);
double HighestValue(Series series);
// Whether a value lies within the series' range, ends included to the
// precision of a field: a value beyond it has no nearest standard value.
bool InRange(double value, Series series);

}  // namespace engine::parts
