// Tests of the conversions between numbers and control texts: the lenient and the strict reading,
// the writing, and independence from the process locale.
#include "game/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <optional>
#include <string>

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
    {"1000", 1000, 1000}, {"-20", -20, -20}, {"+12", 12, 12}, {" 25 ", 25, 25}, {"0", 0, 0},
    {"12abc", 12, kRefused}, {"abc", 0, kRefused}, {"", 0, kRefused}, {"1,5", 1, kRefused},
    {"1.5.3", 1.5, kRefused}, {"1 2", 1, kRefused}, {"--1", 0, kRefused}, {"- 5", 0, kRefused},
    // Blanks: only the strict reading skips a CR, and only it allows blanks after the number.
    {" \t\n 42", 42, 42}, {"\r42", 0, 42}, {" \t\r\n25 \r\n\t", 0, 25}, {" ", 0, kRefused},
    // A point before or after the digits, but not alone; an exponent needs digits.
    {"1.", 1, 1}, {"-.25", -0.25, -0.25}, {".", 0, kRefused}, {"-", 0, kRefused},
    {"1e", 1, kRefused}, {"1E-x", 1, kRefused}, {"2E+3", 2000, 2000}, {"2e-3", 0.002, 0.002},
    // Never infinity, nan or hexadecimal, which from_chars would take.
    {"inf", 0, kRefused}, {"NaN", 0, kRefused}, {"0x10", 0, kRefused},
    // Only ASCII digits and blanks: a pasted control character or Arabic-Indic digits are no number.
    {"12\u0001", 12, kRefused}, {"\u0661\u0662", 0, kRefused},
    // Too large for a double: refused, or 0 for the reading that never fails; too small: +0.
    {"1e999", 0, kRefused}, {"-1e99999999999999999999", 0, kRefused},
    {"1.7976931348623157e308", kLargest, kLargest},
    {"1.79769313486231E+308", 1.79769313486231E+308, 1.79769313486231E+308}, {"-1e-999", 0, 0}, {"-0.0e5", 0, 0},
    {"4.9e-324", kSmallest, kSmallest}, {"0." + std::string(400, '0') + "1e+400", 0.1, 0.1},
};

struct Writing {
    double number;
    std::string text;
};

const Writing kWritings[] = {
    {987.5, "987.5"}, {-20, "-20"}, {0.1 + 0.2, "0.3"}, {-0.0, "0"}, {1E-5, "0.00001"},
    {-2.0 / 3, "-0.666666666666667"}, {999999999999999.4, "999999999999999"},
    {999999999999999.6, "1E+15"}, {-2.25E+300, "-2.25E+300"}, {kLargest, "1.79769313486231E+308"},
    {-kSmallest, "-0." + std::string(323, '0') + "494065645841247"}, {kInfinity, "0"},
};

// clang-format on

// The readings and writings of the tables. That every number written reads back as itself
// taken to 15 digits, at every magnitude, is the fuzz target's to check (fuzz/).
void ExpectTheConversions() {
    for (const Reading& reading : kReadings) {
        SCOPED_TRACE("text \"" + reading.text + "\"");
        const double lenient = LenientNumber(reading.text);
        EXPECT_EQ(lenient, reading.lenient);
        EXPECT_EQ(std::signbit(lenient), std::signbit(reading.lenient));
        const std::optional<double> strict = StrictNumber(reading.text);
        EXPECT_EQ(strict, reading.strict);
        EXPECT_EQ(strict && std::signbit(*strict), reading.strict && std::signbit(*reading.strict));
    }
    for (const Writing& writing : kWritings)
        EXPECT_EQ(NumberText(writing.number), writing.text);
}

TEST(Numbers, ReadTheTextsAndWriteTheNumbers) {
    ExpectTheConversions();
}

// The toolkit puts the C library and the global C++ locale into the user's locale; a German one
// writes and reads "1,5". The conversions must not notice.
TEST(Numbers, ReadAndWriteInAGermanLocaleAsEverywhereElse) {
    const std::string savedCLocale = std::setlocale(LC_ALL, nullptr);
    const std::locale savedGlobalLocale;
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    std::locale::global(std::locale("de_DE.UTF-8"));
    // Without a decimal comma in the C library the test would prove nothing.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    EXPECT_STREQ(buffer, "1,5");
    ExpectTheConversions();
    std::locale::global(savedGlobalLocale);
    std::setlocale(LC_ALL, savedCLocale.c_str());
}

} // namespace
} // namespace tarvelon
