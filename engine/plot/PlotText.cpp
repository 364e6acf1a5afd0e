#include "engine/plot/PlotText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "core/EngValue.h"

namespace engine::plot {

namespace {

struct Prefix {
    int exponent;
    const char* symbol;
};
constexpr Prefix kPrefixes[] = {{-12, "p"}, {-9, "n"}, {-6, "µ"}, {-3, "m"},
                                {0, ""},    {3, "k"},  {6, "M"},  {9, "G"}};

// digits: significant digits, or with `fixed` the digits after the point.
std::string Number(double value, int digits, bool fixed) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, fixed ? "%.*f" : "%.*g", digits, value);
    std::string text = buffer;
    // A value that rounds to zero is shown without a sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

// Units written against the number, without a blank.
bool Tight(const std::string& unit) {
    return unit.empty() || unit == "°" || unit == "%";
}

std::string Formatted(double value, const std::string& unit, bool prefixed, int digits, bool fixed) {
    if (!std::isfinite(value))
        return "-";
    std::string number;
    std::string prefix;
    if (!prefixed || value == 0) {
        number = Number(value, digits, fixed);
    } else {
        int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value)) / 3)) * 3;
        exponent = std::clamp(exponent, kPrefixes[0].exponent, kPrefixes[std::size(kPrefixes) - 1].exponent);
        double mantissa = value / std::pow(10.0, exponent);
        // 999.7 shown with three digits is the next prefix's 1.
        const double rounded = std::stod(Number(mantissa, digits, fixed));
        if (std::fabs(rounded) >= 1000 && exponent < kPrefixes[std::size(kPrefixes) - 1].exponent) {
            exponent += 3;
            mantissa = value / std::pow(10.0, exponent);
        }
        number = Number(mantissa, digits, fixed);
        for (const Prefix& p : kPrefixes)
            if (p.exponent == exponent)
                prefix = p.symbol;
    }
    const std::string suffix = prefix + unit;
    if (suffix.empty())
        return number;
    return Tight(suffix) ? number + suffix : number + " " + suffix;
}

}  // namespace

std::string EngText(double value, const std::string& unit, bool prefixed, int digits) {
    return Formatted(value, unit, prefixed, digits, false);
}

// The field notation's own text where its prefixes reach (p to M), so that a
// value reads on the plot exactly as in its field: "7.12 K" is "7.12 kHz".
std::string ValueText(double value, const std::string& unit, bool prefixed) {
    if (!prefixed || !std::isfinite(value) || value == kErrorValue || std::fabs(value) < kTinyValue ||
        std::fabs(value) >= 1e9)
        return Formatted(value, unit, prefixed, 2, true);
    const std::string field = FormatEngValue(value);
    const size_t blank = field.find(' ');
    std::string prefix = field.substr(blank + 1);
    while (!prefix.empty() && prefix.back() == ' ')
        prefix.pop_back();
    if (prefix == "K")
        prefix = "k";
    else if (prefix == "\xB5")
        prefix = "µ";
    const std::string suffix = prefix + unit;
    const std::string number = field.substr(0, blank);
    if (suffix.empty())
        return number;
    return Tight(suffix) ? number + suffix : number + " " + suffix;
}

std::string AxisValueText(const Axis& axis, double value, int digits) {
    return EngText(value, axis.unit, axis.prefixed, digits);
}

std::vector<Tick> AxisTicks(const Axis& axis) {
    std::vector<Tick> ticks;
    if (!(axis.max > axis.min))
        return ticks;
    if (axis.log) {
        if (axis.min <= 0)
            return ticks;
        const int first = static_cast<int>(std::ceil(std::log10(axis.min) - 1e-9));
        const int last = static_cast<int>(std::floor(std::log10(axis.max) + 1e-9));
        const bool fewDecades = last - first < 2;
        for (int decade = first - 1; decade <= last; ++decade) {
            for (const double step : {1.0, 2.0, 5.0}) {
                if (step != 1.0 && !fewDecades)
                    continue;
                const double value = step * std::pow(10.0, decade);
                if (value >= axis.min * (1 - 1e-9) && value <= axis.max * (1 + 1e-9))
                    ticks.push_back({value, AxisValueText(axis, value)});
            }
        }
        return ticks;
    }
    // The smallest round step that gives at most eight ticks.
    const double raw = (axis.max - axis.min) / 8;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * magnitude;
    for (const double nice : {1.0, 2.0, 5.0}) {
        if (nice * magnitude >= raw) {
            step = nice * magnitude;
            break;
        }
    }
    for (double n = std::ceil(axis.min / step - 1e-9); n * step <= axis.max + step * 1e-9; n += 1) {
        const double value = std::fabs(n) < 0.5 ? 0.0 : n * step;
        ticks.push_back({value, AxisValueText(axis, value)});
    }
    return ticks;
}

}  // namespace engine::plot
