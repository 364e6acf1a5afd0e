#include "core/EngValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct TypedRow {
    std::string typed;
    double value;
    std::string shown;
};

// Typed text -> value -> text written back.
TEST(EngValue, TypedTextsReadAndWriteBack) {
    const TypedRow rows[] = {
        {"4.7k", 4699.99980926513671875, "4.70 K"},
        {"4.7K", 4699.99980926513671875, "4.70 K"},
        {"2.2k", 2200.0000476837158, "2.20 K"},
        {"10n", 1e-8, "10.00 n"},
        {"100m", 0.1, "100.00 m"},
        {"470p", 4.7e-10, "470.00 p"},
        {"1.5M", 1500000, "1.50 M"},
        {"4.7\xB5", 4.69999980926513671875e-6, "4.70 \xB5"},
        {"1m", 0.001, "1.00 m"},
        {"1n", 1e-9, "1.00 n"},
        {"1\xB5", 1e-6, "1000.00 n"},
        {"1000n", 1.0000000000000002e-6, "1.00 \xB5"},
        {"1e3", 1000, "1.00 K"},
        {"1e3k", 1000000, "1.00 M"},
        {".5", 0.5, "500.00 m"},
        {"-3.3k", -3299.99995231628418, "-3.30 K"},
        {"+12", 12, "12.00  "},
        {"3.3 k", 3299.99995231628418, "3.30 K"},
        {"4.7k  ", 4699.99980926513671875, "4.70 K"},
        {"5 ", 5, "5.00  "},
        {"1u", 1, "1.00  "},
        {"1G", 1, "1.00  "},
        {"k", 0, "0  "},
        {"", 0, "0  "},
        {"Error", 0, "0  "},
        {"abc", 0, "0  "},
        {"1.125", 1.125, "1.13  "},
    };
    for (const TypedRow& row : rows) {
        SCOPED_TRACE("typed '" + row.typed + "'");
        const double value = ParseEngValue(row.typed);
        EXPECT_DOUBLE_EQ(value, row.value);
        EXPECT_EQ(FormatEngValue(value), row.shown);
    }
}

TEST(EngValue, FormatsValues) {
    const std::pair<double, std::string> rows[] = {
        {0.5, "500.00 m"},
        {1000, "1.00 K"},
        {4700, "4.70 K"},
        {1, "1.00  "},
        {0, "0  "},
        {-0.0, "0  "},
        {-0.002, "-2.00 m"},
        {0.9999, "999.90 m"},
        {0.999999999999, "1.00  "},
        {0.99999999999899, "1000.00 m"},
        {999.999, "1000.00  "},
        {999999.9, "1000.00 K"},
        {1234567, "1.23 M"},
        {1e7, "10.00 M"},
        {1e9, "1000.00 M"},
        {1e12, "1000000.00 M"},
        {2.2e-9, "2.20 n"},
        {1e-12, "1.00 p"},
        {9.99e-13, "0  "},
        {-9.99e-13, "0  "},
        {9999999.9, "Error"},
        {-9999999.9, "-10.00 M"},
    };
    for (const auto& [value, shown] : rows) {
        SCOPED_TRACE(value);
        EXPECT_EQ(FormatEngValue(value), shown);
    }
}

// The number part is a 32-bit float; only the prefix is applied in double.
TEST(EngValue, NumberPartIsSinglePrecision) {
    EXPECT_EQ(ParseEngValue("1234567.8"), 1234567.75);
    EXPECT_EQ(FormatEngValue(ParseEngValue("1234567.8")), "1.23 M");
    EXPECT_NE(ParseEngValue("4.7k"), 4700.0);
    EXPECT_EQ(ParseEngValue("4.7k"), static_cast<double>(4.7f) * 1e3);
    EXPECT_EQ(ParseEngValue("0.1"), static_cast<double>(0.1f));
}

// printf rounds exact binary ties to even; the notation rounds them away from zero.
TEST(EngValue, ExactTiesRoundAwayFromZero) {
    const std::pair<double, std::string> rows[] = {
        {1.125, "1.13  "},    {-1.125, "-1.13  "},  {1.375, "1.38  "},   {2.625, "2.63  "},
        {0.125e3, "125.00  "}, {1.875, "1.88  "},    {12.345, "12.35  "}, {12.344999, "12.34  "},
        {0.0015625, "1.56 m"}, {1.115, "1.11  "},  // 1.115 is stored below the half
    };
    for (const auto& [value, shown] : rows) {
        SCOPED_TRACE(value);
        EXPECT_EQ(FormatEngValue(value), shown);
    }
}

// The decade is decided by the side of the power of ten the stored double lies on.
TEST(EngValue, DecadeDecidedExactlyNextToPowersOfTen) {
    EXPECT_EQ(FormatEngValue(1e-3), "1.00 m");  // stored just above 10^-3
    EXPECT_EQ(FormatEngValue(1e-6), "1000.00 n");  // stored just below 10^-6
    EXPECT_EQ(FormatEngValue(1e-9), "1.00 n");  // stored just above 10^-9
    EXPECT_EQ(FormatEngValue(std::nextafter(1e-3, 0.0)), "1000.00 \xB5");
    EXPECT_EQ(FormatEngValue(std::nextafter(1e-6, 1.0)), "1.00 \xB5");
    EXPECT_EQ(FormatEngValue(std::nextafter(1e3, 0.0)), "1000.00  ");
    EXPECT_EQ(FormatEngValue(std::nextafter(1e6, 0.0)), "1000.00 K");
    EXPECT_EQ(FormatEngValue(1e6), "1.00 M");
    // Just below 1: the unit decade from 0.999999999999 on.
    EXPECT_EQ(FormatEngValue(std::nextafter(0.999999999999, 0.0)), "1000.00 m");
    EXPECT_EQ(FormatEngValue(std::nextafter(1.0, 0.0)), "1.00  ");
    EXPECT_EQ(FormatEngValue(-0.999999999999), "-1.00  ");
    // Below the lower clamp everything is pico; smaller is zero.
    EXPECT_EQ(FormatEngValue(std::nextafter(1e-12, 0.0)), "0  ");
    EXPECT_EQ(FormatEngValue(5e-12), "5.00 p");
    EXPECT_EQ(FormatEngValue(-1e-12), "-1.00 p");
}

TEST(EngValue, ErrorInfinityAndNotANumber) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatEngValue(kErrorValue), "Error");
    EXPECT_EQ(FormatEngValue(std::nan("")), "Error");
    EXPECT_EQ(FormatEngValue(inf), "Error");
    EXPECT_EQ(FormatEngValue(-inf), "Error");
    EXPECT_EQ(FormatEngValue(1.0 / 0.0 * -1), "Error");
    // A real result that happens to equal the sentinel is shown as Error too.
    EXPECT_EQ(FormatEngValue(std::nextafter(kErrorValue, 0.0)), "10.00 M");
    EXPECT_EQ(ParseEngValue(FormatEngValue(kErrorValue)), 0.0);
}

TEST(EngValue, OnlyPlainDecimalNumbersAreRead) {
    const std::pair<std::string, double> rows[] = {
        {"0x10", 0},    {"inf", 0},       {"-inf", 0},      {"nan", 0},    {"infinity", 0},
        {"12abc", 12},  {"1,5", 1},       {"  7", 7},       {"\t7", 7},    {"-", 0},
        {"+", 0},       {".", 0},         {"-.5", -0.5},    {"5.", 5},     {"1e", 1},
        {"1e+", 1},     {"2E2", 200},     {"1e-3k", 1e-3f * 1e3},     {"--5", 0},    {"e5", 0},
        {" ", 0},       {"5", 5},         {"M", 0},         {"\xB5", 0},   {"1.5.3", 1.5},
        {"3 k ", 3000}, {"4.7k\t", 4.7f}, {"10\xB5", 1e-5},
    };
    for (const auto& [text, value] : rows) {
        SCOPED_TRACE("text '" + text + "'");
        EXPECT_DOUBLE_EQ(ParseEngValue(text), value);
    }
}

// What the command line notes as read only in part: any character the read leaves.
TEST(EngValue, TextsReadOnlyInPart) {
    const std::pair<std::string, bool> rows[] = {
        {"4.7k", true},   {"3 k ", true},  {"  -.5", true},  {"1e-3k", true},   {"10\xB5", true},
        {"", true},       {"   ", true},   {"2E2", true},    {"5.", true},      {"10u", false},
        {"1G", false},    {"abc", false},  {"12abc", false}, {"1,5", false},    {"1e", false},
        {"k", false},     {"\xB5", false}, {"-", false},     {"4.7k\t", false}, {"4.7kk", false},
        {"Error", false}, {"0x10", false}, {"inf", false},   {"1.5.3", false},  {"1 2", false},
    };
    for (const auto& [text, whole] : rows)
        EXPECT_EQ(EngValueReadsWhole(text), whole) << "'" << text << "'";
    // Whatever the formatter writes as a number reads whole.
    for (int exponent = -13; exponent <= 10; ++exponent) {
        for (const double mantissa : {1.0, -2.345, 9.999})
            EXPECT_TRUE(EngValueReadsWhole(FormatEngValue(mantissa * std::pow(10.0, exponent)))) << exponent;
    }
}

TEST(EngValue, OutOfRangeNumbers) {
    EXPECT_EQ(FormatEngValue(ParseEngValue("1e99999")), "Error");
    EXPECT_EQ(FormatEngValue(ParseEngValue("-1e99999")), "Error");
    EXPECT_EQ(ParseEngValue("1e-99999"), 0.0);
    EXPECT_EQ(FormatEngValue(ParseEngValue("1e39")), "Error");  // beyond a float
    // A float-sized number with a prefix is an ordinary (huge) double.
    const std::string huge = FormatEngValue(ParseEngValue("3e38M"));
    EXPECT_EQ(huge.substr(huge.size() - 5), ".00 M");
    EXPECT_EQ(huge.size(), 39u + 5u);
    EXPECT_EQ(ParseEngValue(std::string(100000, '9')), std::numeric_limits<float>::infinity());
}

// Whatever the formatter writes reads back to the same decade.
TEST(EngValue, FormattedTextReadsBack) {
    const double values[] = {4699.9998, 0.5, 1, 1e-12, 2.2e-9, 47e-6, 1.5e6, -3.3e3};
    for (double value : values) {
        SCOPED_TRACE(value);
        const std::string text = FormatEngValue(value);
        const double back = ParseEngValue(text);
        EXPECT_NEAR(back, value, std::fabs(value) * 0.006);
        EXPECT_EQ(text.substr(text.size() - 2), FormatEngValue(back).substr(FormatEngValue(back).size() - 2));
    }
    EXPECT_EQ(ParseEngValue("4.70 K"), static_cast<double>(4.7f) * 1e3);
    EXPECT_EQ(ParseEngValue("500.00 m"), 0.5);
    EXPECT_EQ(ParseEngValue("1.00  "), 1.0);
    EXPECT_EQ(ParseEngValue("0  "), 0.0);
    // A value rounded up to 1000 keeps its prefix and reads back one decade up.
    EXPECT_EQ(FormatEngValue(ParseEngValue(FormatEngValue(999.999))), "1.00 K");
}

TEST(EngValue, ParseLeavesCallersTextAlone) {
    const std::string text = "4.7k  ";
    ParseEngValue(text);
    EXPECT_EQ(text, "4.7k  ");
}

}  // namespace
