#include "engine/parts/ESeries.h"

#include <strings.h>
#include <algorithm>
#include <cmath>

#include "core/EngValue.h"

namespace engine::parts {

namespace {

// E3 to E24 are the historic values (2.7, 3.0, 3.3 ... 8.2, 9.1), not rounded powers of ten.
constexpr int kE3[] = {
    100,
    220,
    470,
};
constexpr int kE6[] = {
    100, 150, 220, 330, 470, 680,
};
constexpr int kE12[] = {
    100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820,
};
constexpr int kE24[] = {
    100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
    330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910,
};
// E48 to E192 follow 10^(i/n) to three digits, but for 9.20 in E192.
constexpr int kE48[] = {
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
    464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953,
};
constexpr int kE96[] = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};
constexpr int kE192[] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126,
    127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160,
    162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328,
    332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530,
    536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

struct SeriesRow {
    Series series;
    const char* name;
    std::span<const int> hundredths;
    double resistorTolerance;  // percent
};

// E3 is meant for wider tolerances than 20 %; parts sold in it are taken as 40 %.
const SeriesRow kRows[] = {
    {Series::kE3, "E3", kE3, 40},        {Series::kE6, "E6", kE6, 20},   {Series::kE12, "E12", kE12, 10},
    {Series::kE24, "E24", kE24, 5},      {Series::kE48, "E48", kE48, 2}, {Series::kE96, "E96", kE96, 1},
    {Series::kE192, "E192", kE192, 0.5},
};

const SeriesRow& Row(Series series) {
    return kRows[static_cast<int>(series)];
}

int DecadeSize(Series series) {
    return static_cast<int>(Row(series).hundredths.size());
}

int RankCount(Series series) {
    return (kHighestDecade - kLowestDecade + 1) * DecadeSize(series);
}

// Powers of ten as exactly as a double holds them: a negative power is a
// division by the exact positive one.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double TimesPowerOfTen(double x, int exponent) {
    return exponent >= 0 ? x * kPowersOfTen[exponent] : x / kPowersOfTen[-exponent];
}

// Values this close (relative) count as equal: a field text holds about seven digits.
constexpr double kSameValue = 1e-6;

bool Usable(double value) {
    return std::isfinite(value) && value > 0 && value != kErrorValue;
}

// The rank of the largest standard value not above `value`, -1 below the range.
int FloorRank(double value, Series series) {
    if (value < TimesPowerOfTen(1.0, kLowestDecade))
        return -1;
    if (value >= TimesPowerOfTen(1.0, kHighestDecade + 1))
        return RankCount(series) - 1;
    int decade = std::clamp(static_cast<int>(std::floor(std::log10(value))), kLowestDecade, kHighestDecade);
    // log10 may be off by one right next to a power of ten.
    if (TimesPowerOfTen(1.0, decade) > value)
        --decade;
    else if (decade < kHighestDecade && TimesPowerOfTen(1.0, decade + 1) <= value)
        ++decade;
    // In hundredths of the decade, 100 <= m < 1000; a last-bit error here only
    // moves a value that is a standard one to its neighbour, which the
    // callers' tolerances take back.
    const double m = TimesPowerOfTen(value, 2 - decade);
    const std::span<const int> mantissas = Row(series).hundredths;
    const auto above = std::upper_bound(mantissas.begin(), mantissas.end(), m);
    return (decade - kLowestDecade) * DecadeSize(series) + static_cast<int>(above - mantissas.begin()) - 1;
}

bool Same(double a, double b) {
    return std::fabs(a - b) <= kSameValue * std::fabs(b);
}

}  // namespace

const char* SeriesName(Series series) {
    return Row(series).name;
}

std::optional<Series> ParseSeries(std::string_view name) {
    for (const SeriesRow& row : kRows) {
        if (name.size() == std::string_view(row.name).size() &&
            strncasecmp(name.data(), row.name, name.size()) == 0)
            return row.series;
    }
    return std::nullopt;
}

std::span<const int> SeriesHundredths(Series series) {
    return Row(series).hundredths;
}

std::vector<double> SeriesDecade(Series series) {
    std::vector<double> decade;
    for (const int m : Row(series).hundredths)
        decade.push_back(m / 100.0);
    return decade;
}

double DefaultResistorTolerance(Series series) {
    return Row(series).resistorTolerance;
}

double StandardValue::Value() const {
    const int size = DecadeSize(series);
    const int decade = kLowestDecade + rank / size;
    return TimesPowerOfTen(Row(series).hundredths[static_cast<size_t>(rank % size)], decade - 2);
}

StandardValue Step(StandardValue from, int steps) {
    from.rank = std::clamp(from.rank + steps, 0, RankCount(from.series) - 1);
    return from;
}

double LowestValue(Series series) {
    return StandardValue{series, 0}.Value();
}

double HighestValue(Series series) {
    return StandardValue{series, RankCount(series) - 1}.Value();
}

bool InRange(double value, Series series) {
    return Usable(value) && value >= LowestValue(series) * (1 - kSameValue) &&
           value <= HighestValue(series) * (1 + kSameValue);
}

std::optional<StandardValue> Nearest(double value, Series series) {
    if (!Usable(value))
        return std::nullopt;
    const int floor = FloorRank(value, series);
    if (floor < 0)
        return StandardValue{series, 0};
    const StandardValue below{series, floor};
    if (floor + 1 >= RankCount(series))
        return below;
    const StandardValue above{series, floor + 1};
    const double down = value - below.Value();
    const double up = above.Value() - value;
    // A tie within the precision of a field goes up.
    const bool tie = std::fabs(down - up) <= kSameValue * value;
    return down < up && !tie ? below : above;
}

std::optional<StandardValue> NextBelow(double value, Series series) {
    if (!Usable(value))
        return std::nullopt;
    int rank = FloorRank(value * (1 + kSameValue), series);
    if (rank >= 0 && Same(StandardValue{series, rank}.Value(), value))
        --rank;
    if (rank < 0)
        return std::nullopt;
    return StandardValue{series, rank};
}

std::optional<StandardValue> NextAbove(double value, Series series) {
    if (!Usable(value))
        return std::nullopt;
    const int rank = FloorRank(value * (1 + kSameValue), series) + 1;
    if (rank >= RankCount(series))
        return std::nullopt;
    return StandardValue{series, rank};
}

}  // namespace engine::parts
