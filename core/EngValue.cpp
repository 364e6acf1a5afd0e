#include "core/EngValue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

struct Prefix {
    char letter;
    double multiplier;
};

// Letters accepted as the last character of a typed value.
constexpr std::array<Prefix, 7> kPrefixes{{
    {'M', 1e6},
    {'K', 1e3},
    {'k', 1e3},
    {'m', 1e-3},
    {'\xB5', 1e-6},
    {'n', 1e-9},
    {'p', 1e-12},
}};

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(const std::string& s, size_t i) {
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return i;
}

// What "%f" into a float stores for an out-of-range number: infinity for a
// huge one, zero for a tiny one.
float OutOfRangeFloat(std::string_view number, bool negative) {
    double asDouble = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), asDouble);
    (void)ptr;
    bool huge;
    if (ec == std::errc())
        huge = std::fabs(asDouble) > 1;
    else
        huge = number.find("e-") == std::string_view::npos && number.find("E-") == std::string_view::npos;
    float magnitude = huge ? std::numeric_limits<float>::infinity() : 0.0f;
    return negative ? -magnitude : magnitude;
}

// scanf("%f")-style read of a plain decimal number at the start of text:
// blanks, sign, digits with an optional point, optional exponent. Stops at
// the first character that does not fit. No hex, no "inf", no "nan".
// Independent of the C locale: the decimal point is always '.'. `read`, when
// given, receives where the number ends, 0 when there is none.
float ReadLeadingFloat(const std::string& text, size_t* read = nullptr) {
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t start = i;
    size_t end = SkipDigits(text, i);
    bool anyDigit = end > start;
    if (end < text.size() && text[end] == '.') {
        size_t afterPoint = SkipDigits(text, end + 1);
        anyDigit = anyDigit || afterPoint > end + 1;
        end = afterPoint;
    }
    if (read != nullptr)
        *read = 0;
    if (!anyDigit)
        return 0.0f;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t j = end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        size_t expEnd = SkipDigits(text, j);
        if (expEnd > j)
            end = expEnd;
    }
    if (read != nullptr)
        *read = end;
    std::string_view number(text.data() + start, end - start);
    float value = 0.0f;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        return OutOfRangeFloat(number, negative);
    return negative ? -value : value;
}

// Engineering exponent of a magnitude >= kTinyValue, decided by exact
// comparison with the powers of ten that separate two prefixes.
int EngineeringExponent(double magnitude) {
    if (magnitude >= 1e6)
        return 6;
    if (magnitude >= 1e3)
        return 3;
    if (magnitude >= 0.999999999999)
        return 0;
    // 10^-3, 10^-6 and 10^-9 are not doubles: compare magnitude * 10^k with 1
    // exactly, through the rounding error of the product.
    static constexpr std::array<std::pair<int, double>, 3> kLower{{{-3, 1e3}, {-6, 1e6}, {-9, 1e9}}};
    for (const auto& [exponent, scale] : kLower) {
        const double product = magnitude * scale;
        const double error = std::fma(magnitude, scale, -product);
        if (product > 1 || (product == 1 && error >= 0))
            return exponent;
    }
    return -12;
}

// "%3.2f" with halves rounded away from zero by the exact decimal value.
// to_chars rounds exact ties to even and is locale-independent. A double
// that lies exactly halfway between two hundredths is an odd multiple of 1/8.
std::string FormatTwoDecimals(double v) {
    const double eighths = v * 8;
    if (std::fabs(eighths) < 9007199254740992.0 && eighths == std::trunc(eighths) &&
        std::fmod(eighths, 2.0) != 0) {
        const auto oddEighths = static_cast<std::int64_t>(std::fabs(eighths));
        const std::int64_t hundredths = (oddEighths * 25 + 1) / 2;
        std::string text = v < 0 ? "-" : "";
        text += std::to_string(hundredths / 100);
        const auto cents = static_cast<int>(hundredths % 100);
        text += '.';
        text += static_cast<char>('0' + cents / 10);
        text += static_cast<char>('0' + cents % 10);
        return text;
    }
    std::array<char, 400> buffer{};
    auto [ptr, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed, 2);
    if (ec != std::errc())
        return "Error";
    return std::string(buffer.data(), ptr);
}

const char* SuffixFor(int exponent) {
    switch (exponent) {
        case 6:
            return " M";
        case 3:
            return " K";
        case 0:
            return "  ";
        case -3:
            return " m";
        case -6:
            return " \xB5";
        case -9:
            return " n";
        default:
            return " p";
    }
}

// Steps before the number is read: trailing blanks, then a prefix letter,
// taken off the text; the multiplier of that letter, 1 for none.
double TakeOffPrefix(std::string& text) {
    while (text.size() > 1 && text.back() == ' ')
        text.pop_back();
    if (text.size() > 1) {
        for (const Prefix& prefix : kPrefixes) {
            if (text.back() == prefix.letter) {
                text.pop_back();
                return prefix.multiplier;
            }
        }
    }
    return 1;
}

}  // namespace

double ParseEngValue(std::string text) {
    if (text.empty())
        return 0;
    const double multiplier = TakeOffPrefix(text);
    return static_cast<double>(ReadLeadingFloat(text)) * multiplier;
}

bool EngValueReadsWhole(std::string text) {
    if (text.find_first_not_of(' ') == std::string::npos)
        return true;
    TakeOffPrefix(text);
    size_t read = 0;
    ReadLeadingFloat(text, &read);
    // Blanks may stand between the number and its prefix letter.
    return read > 0 && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(read), text.end(), IsCSpace);
}

std::string FormatEngValue(double value) {
    // Infinity only comes from a division by zero or an overflow; "Error"
    // reads back as 0, which no number-like text would.
    if (value == kErrorValue || std::isnan(value) || std::isinf(value))
        return "Error";
    const double magnitude = std::fabs(value);
    if (magnitude < kTinyValue)
        return "0  ";
    const int exponent = EngineeringExponent(magnitude);
    const double scaled = value * std::pow(0.1, exponent);
    return FormatTwoDecimals(scaled) + SuffixFor(exponent);
}
