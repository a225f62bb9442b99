// Tests of the conversions between numbers and control texts: the lenient and the strict reading,
// the writing, what survives a round trip, and independence from the process locale.
#include "game/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelon {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::nullopt_t kRefused = std::nullopt;

struct Reading {
    std::string text;
    double lenient;
    std::optional<double> strict;
};

// clang-format off
// Both readings give +0 for every zero here: NumberText could not write a -0 back.
const Reading kReadings[] = {
    // The examples the rules rely on, and the fixed texts the game writes.
    {"1000", 1000, 1000}, {"1.5", 1.5, 1.5}, {"-20", -20, -20}, {" 25 ", 25, 25},
    {"12abc", 12, kRefused}, {"abc", 0, kRefused}, {"", 0, kRefused}, {"1E+15", 1E+15, 1E+15},
    {"$5", 0, kRefused}, {"1,5", 1, kRefused}, {"0", 0, 0}, {"2", 2, 2},
    // The lenient reading takes the longest number at the start; the strict one all or nothing.
    {"1.5.3", 1.5, kRefused}, {"1.5.", 1.5, kRefused}, {"1..5", 1, kRefused}, {"3-4", 3, kRefused},
    {"5-", 5, kRefused}, {"1 2", 1, kRefused}, {" 1 2 ", 1, kRefused}, {"1 000", 1, kRefused},
    {"2e3x", 2000, kRefused}, {"-2.5E-1kg", -0.25, kRefused}, {"+7 cars", 7, kRefused},
    {"1e5.5", 1E+5, kRefused}, {"(5)", 0, kRefused}, {"--1", 0, kRefused}, {"+-1", 0, kRefused},
    // Blanks: only the strict reading skips a CR, and only it allows blanks after the number.
    {" \t\n 42", 42, 42}, {"\r42", 0, 42}, {" \t\r\n25 \r\n\t", 0, 25}, {"\r\n-1.5e2", 0, -150},
    {" ", 0, kRefused}, {" \t\r\n", 0, kRefused}, {"- 5", 0, kRefused},
    // A point before or after the digits, but not alone; a lone sign is no number either.
    {"1.", 1, 1}, {".5", 0.5, 0.5}, {"-.25", -0.25, -0.25}, {"+.5", 0.5, 0.5},
    {"-1.e2", -100, -100}, {".", 0, kRefused}, {"+.", 0, kRefused}, {"-.", 0, kRefused},
    {"+", 0, kRefused}, {"-", 0, kRefused},
    // An exponent needs digits.
    {"1e", 1, kRefused}, {"1e+", 1, kRefused}, {"1E-", 1, kRefused}, {"1E-x", 1, kRefused},
    {"e5", 0, kRefused}, {"2E+3", 2000, 2000}, {"2e-3", 0.002, 0.002},
    // Never infinity, nan or hexadecimal, which from_chars would take.
    {"inf", 0, kRefused}, {"-inf", 0, kRefused}, {"-Infinity", 0, kRefused}, {"nan", 0, kRefused},
    {"NaN", 0, kRefused}, {"0x10", 0, kRefused}, {"0X1p3", 0, kRefused},
    // Zero, negative and fractional stakes are numbers like any other.
    {"-3.25", -3.25, -3.25}, {"0.001", 0.001, 0.001}, {"+12", 12, 12},
    // Too large for a double: refused, or 0 for the reading that never fails.
    {"1e999", 0, kRefused}, {"-1e999", 0, kRefused}, {"1.8e308", 0, kRefused},
    {"-1e99999999999999999999", 0, kRefused}, {"1" + std::string(309, '0'), 0, kRefused},
    {"1.7976931348623157e308", kLargest, kLargest}, {"0.000e99999", 0, 0},
    // Too small for a double, and minus zero: +0.
    {"1e-999", 0, 0}, {"-1e-999", 0, 0}, {"-1e-99999999999999999999", 0, 0}, {"2e-324", 0, 0},
    {"-0", 0, 0}, {"-0.000", 0, 0}, {"-0.0e5", 0, 0}, {"4.9e-324", kSmallest, kSmallest},
    // Long digit strings go to the nearest double.
    {"0." + std::string(400, '0') + "1e+400", 0.1, 0.1},
    {"0.1000000000000000055511151231257827", 0.1, 0.1}, {std::string(50, '0') + "1.5", 1.5, 1.5},
    {"1e0000000000000000000000000000005", 1E+5, 1E+5},
};

struct Writing {
    double number;
    std::string text;
};

const Writing kWritings[] = {
    {1000, "1000"}, {987.5, "987.5"}, {-20, "-20"}, {0.5, "0.5"}, {0.1 + 0.2, "0.3"}, {0, "0"},
    {2, "2"}, {1000 - 12.5, "987.5"}, {1000 - 1500, "-500"}, {2 - 1, "1"}, {0 - 1, "-1"},
    {-0.0, "0"}, {1E-5, "0.00001"}, {-1E-5, "-0.00001"}, {1.0 / 3, "0.333333333333333"},
    {-2.0 / 3, "-0.666666666666667"}, {123456789.123456789, "123456789.123457"},
    {1234567.25, "1234567.25"}, {999999999999999, "999999999999999"},
    {999999999999999.4, "999999999999999"},
    // From the 16th digit on, an exponent.
    {999999999999999.6, "1E+15"}, {1E+15, "1E+15"}, {1.5E+20, "1.5E+20"},
    {-2.25E+300, "-2.25E+300"}, {123456789012345678.0, "1.23456789012346E+17"},
    // Close to zero, plain digits.
    {1E-300, "0." + std::string(299, '0') + "1"},
    {-kSmallest, "-0." + std::string(323, '0') + "494065645841247"},
    // The largest doubles round down, so that the text reads back.
    {kLargest, "1.79769313486231E+308"}, {-kLargest, "-1.79769313486231E+308"},
    {1.79769313486231E+308, "1.79769313486231E+308"},
    // The game never passes these.
    {kInfinity, "0"}, {-kInfinity, "0"}, {std::numeric_limits<double>::quiet_NaN(), "0"},
};

// Numbers to write and read back, besides powers of ten from the denormals to the top.
const double kSpread[] = {0, 1, 0.1 + 0.2, 1.0 / 3, 987.5, 1E+15, 1E+300, 1E-300, kSmallest,
    3 * kSmallest, 2.225E-310, std::numeric_limits<double>::min(), 1E+308, 1.7976931348623E+308,
    999999999999999.6, 0.1, 1E-5, 123456.789E+10};
// clang-format on

// `x` taken to the nearest value with 15 significant digits, read back as a double.
double RoundedTo15Digits(double x) {
    char buffer[40];
    const auto written =
        std::to_chars(std::begin(buffer), std::end(buffer), x, std::chars_format::scientific, 14);
    double rounded = 0;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

// A spread of magnitudes from the denormals to the top of the range, with both signs.
std::vector<double> SpreadOfValues() {
    std::vector<double> values(std::begin(kSpread), std::end(kSpread));
    for (std::size_t i = 0, count = values.size(); i < count; ++i) {
        values.push_back(-values[i]);
    }
    for (int exponent = -323; exponent <= 307; exponent += 7) {
        const double x = 1.2345678901234567 * std::pow(10.0, exponent);
        values.push_back(x);
        values.push_back(-x / 3);
    }
    return values;
}

void ExpectTheReadings() {
    for (const Reading& reading : kReadings) {
        SCOPED_TRACE("text \"" + reading.text + "\"");
        const double lenient = LenientNumber(reading.text);
        EXPECT_EQ(lenient, reading.lenient);
        EXPECT_EQ(std::signbit(lenient), std::signbit(reading.lenient));
        const std::optional<double> strict = StrictNumber(reading.text);
        EXPECT_EQ(strict, reading.strict);
        EXPECT_EQ(strict && std::signbit(*strict), reading.strict && std::signbit(*reading.strict));
    }
}

void ExpectTheWritings() {
    for (const Writing& writing : kWritings) {
        EXPECT_EQ(NumberText(writing.number), writing.text);
    }
}

// Every number of the spread is written as digits, a sign, a point and, from the 16th digit on,
// an exponent, and reads back as itself taken to 15 significant digits.
void ExpectTheSpreadWrittenAndReadBack() {
    for (const double x : SpreadOfValues()) {
        const std::string text = NumberText(x);
        const double rounded = RoundedTo15Digits(x);
        SCOPED_TRACE("number " + text);
        EXPECT_EQ(StrictNumber(text), rounded);
        EXPECT_EQ(LenientNumber(text), rounded);
        EXPECT_EQ(NumberText(rounded), text);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text, "-0");
        const std::string_view number = std::string_view(text).substr(text.front() == '-');
        const std::size_t exponent = number.find("E+");
        EXPECT_EQ(exponent != std::string_view::npos, std::fabs(rounded) >= 1E+15);
        const std::string_view mantissa = number.substr(0, exponent);
        EXPECT_EQ(mantissa.find_first_not_of("0123456789."), std::string_view::npos);
        EXPECT_LE(std::count(mantissa.begin(), mantissa.end(), '.'), 1);
        EXPECT_NE(mantissa.back(), '.');
        EXPECT_FALSE(mantissa.find('.') != std::string_view::npos && mantissa.back() == '0');
        EXPECT_FALSE(mantissa.size() > 1 && mantissa[0] == '0' && mantissa[1] != '.');
    }
    // The one number the rounding above cannot give: it rounds past the largest double.
    EXPECT_EQ(StrictNumber(NumberText(kLargest)), 1.79769313486231E+308);
}

TEST(LenientAndStrictNumber, ReadTheTableOfTexts) {
    ExpectTheReadings();
}

TEST(NumberText, WritesTheTableOfNumbers) {
    ExpectTheWritings();
}

TEST(NumberText, WritesEveryMagnitudeSoThatItReadsBackTo15SignificantDigits) {
    ExpectTheSpreadWrittenAndReadBack();
}

// The toolkit puts the C library and the global C++ locale into the user's locale; a German one
// writes and reads "1,5". The conversions must not notice.
class NumbersInAGermanLocale : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
            GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
        }
        try {
            std::locale::global(std::locale("de_DE.UTF-8"));
        } catch (const std::runtime_error&) {
            GTEST_SKIP() << "the C++ library cannot build the de_DE.UTF-8 locale";
        }
    }

    void TearDown() override {
        std::locale::global(savedGlobalLocale_);
        std::setlocale(LC_ALL, savedCLocale_.c_str());
    }

private:
    std::string savedCLocale_ = std::setlocale(LC_ALL, nullptr);
    std::locale savedGlobalLocale_;
};

TEST_F(NumbersInAGermanLocale, ReadAndWriteAsEverywhereElse) {
    // Without a decimal comma in the C library the test would prove nothing.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    ASSERT_STREQ(buffer, "1,5");
    ASSERT_EQ(std::strtod("1,5", nullptr), 1.5);

    ExpectTheReadings();
    ExpectTheWritings();
    ExpectTheSpreadWrittenAndReadBack();
}

} // namespace
} // namespace tarvelon
