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

struct ReadingExample {
    std::string_view text;
    double lenient;
    std::optional<double> strict;
};

// The table of texts every rule relies on, with both readings of each.
const ReadingExample kReadingExamples[] = {
    {"1000", 1000, 1000},
    {"1.5", 1.5, 1.5},
    {"-20", -20, -20},
    {" 25 ", 25, 25},
    {"12abc", 12, std::nullopt},
    {"abc", 0, std::nullopt},
    {"", 0, std::nullopt},
    {"1E+15", 1000000000000000, 1000000000000000},
    {"$5", 0, std::nullopt},
    {"1,5", 1, std::nullopt},
    {"0", 0, 0},
    {"2", 2, 2},
};

struct WritingExample {
    double number;
    std::string_view text;
};

const WritingExample kWritingExamples[] = {
    {1000, "1000"},
    {987.5, "987.5"},
    {-20, "-20"},
    {0.5, "0.5"},
    {0.1 + 0.2, "0.3"},
    {0, "0"},
    {2, "2"},
    {1000 - 12.5, "987.5"},
    {1000 - 1500, "-500"},
    {2 - 1, "1"},
    {0 - 1, "-1"},
    {1E-5, "0.00001"},
    {1.0 / 3, "0.333333333333333"},
    {-2.0 / 3, "-0.666666666666667"},
    {123456789.123456789, "123456789.123457"},
    {1234567.25, "1234567.25"},
    {999999999999999, "999999999999999"},
    {999999999999999.4, "999999999999999"},
    {999999999999999.6, "1E+15"},
    {1E+15, "1E+15"},
    {1.5E+20, "1.5E+20"},
    {-2.25E+300, "-2.25E+300"},
    {123456789012345678.0, "1.23456789012346E+17"},
};

// The texts no stake may be read from.
const std::string_view kStrictRejects[] = {
    "",     " ",   " \t\r\n",  "+",     "-",     ".",     "+.",     "-.",    "e5",
    "1e",   "1e+", "1E-",      "12abc", "abc",   "$5",    "1,5",    "inf",   "-inf",
    "nan",  "NaN", "Infinity", "0x10",  "0X1p3", "1e999", "-1e999", " 1 2 ", "1..5",
    "1.5.", "--1", "+-1",      "- 1",   "1e5.5", "(5)",   "5-",     "1 000",
};

// `x` taken to the nearest value with 15 significant digits, read back as a double.
double RoundedTo15Digits(double x) {
    char buffer[40];
    const auto written =
        std::to_chars(std::begin(buffer), std::end(buffer), x, std::chars_format::scientific, 14);
    double rounded = 0;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

// A spread of magnitudes from the denormals to the top of the range, both signs.
std::vector<double> SpreadOfValues() {
    std::vector<double> values = {
        0,
        1,
        -1,
        0.1 + 0.2,
        1.0 / 3,
        -2.0 / 3,
        987.5,
        1E+15,
        -1E+15,
        1E+300,
        -1E+300,
        1E-300,
        -1E-300,
        kSmallest,
        -kSmallest,
        3 * kSmallest,
        2.225E-310,
        std::numeric_limits<double>::min(),
        1E+308,
        -1.7976931348623E+308,
        999999999999999.6,
        0.1,
        1E-5,
        123456.789E+10,
    };
    for (int exponent = -323; exponent <= 307; exponent += 7) {
        const double x = 1.2345678901234567 * std::pow(10.0, exponent);
        values.push_back(x);
        values.push_back(-x / 3);
    }
    return values;
}

void ExpectTheReadingExamples() {
    for (const auto& example : kReadingExamples) {
        SCOPED_TRACE("text \"" + std::string(example.text) + "\"");
        EXPECT_EQ(LenientNumber(example.text), example.lenient);
        EXPECT_EQ(StrictNumber(example.text), example.strict);
    }
}

void ExpectTheWritingExamples() {
    for (const auto& example : kWritingExamples) {
        SCOPED_TRACE("number " + std::to_string(example.number));
        EXPECT_EQ(NumberText(example.number), example.text);
    }
}

void ExpectTheStrictRejects() {
    for (const auto text : kStrictRejects) {
        EXPECT_EQ(StrictNumber(text), std::nullopt) << "text \"" << text << "\"";
    }
}

void ExpectRoundTripsTo15Digits() {
    for (const double x : SpreadOfValues()) {
        const std::string text = NumberText(x);
        SCOPED_TRACE("number " + text);
        EXPECT_EQ(StrictNumber(text), RoundedTo15Digits(x));
        EXPECT_EQ(LenientNumber(text), RoundedTo15Digits(x));
        EXPECT_EQ(NumberText(RoundedTo15Digits(x)), text);
    }
}

TEST(LenientNumber, ReadsTheTableOfExamples) {
    for (const auto& example : kReadingExamples) {
        EXPECT_EQ(LenientNumber(example.text), example.lenient)
            << "text \"" << example.text << "\"";
    }
}

TEST(LenientNumber, ReadsTheLongestNumberAtTheStartAndIgnoresTheRest) {
    EXPECT_EQ(LenientNumber("1.5.3"), 1.5);
    EXPECT_EQ(LenientNumber("3-4"), 3);
    EXPECT_EQ(LenientNumber("1 2"), 1);
    EXPECT_EQ(LenientNumber("2e3x"), 2000);
    EXPECT_EQ(LenientNumber("-2.5E-1kg"), -0.25);
    EXPECT_EQ(LenientNumber("+7 cars"), 7);
}

TEST(LenientNumber, SkipsOnlyBlanksTabsAndLineFeedsBeforeTheNumber) {
    EXPECT_EQ(LenientNumber(" \t\n 42"), 42);
    EXPECT_EQ(LenientNumber("\r42"), 0);
    EXPECT_EQ(LenientNumber("- 5"), 0);
}

TEST(LenientNumber, ReadsAPointBeforeOrAfterTheDigitsButNotAlone) {
    EXPECT_EQ(LenientNumber("1."), 1);
    EXPECT_EQ(LenientNumber(".5"), 0.5);
    EXPECT_EQ(LenientNumber("-.25"), -0.25);
    EXPECT_EQ(LenientNumber("."), 0);
    EXPECT_EQ(LenientNumber("-"), 0);
    EXPECT_EQ(LenientNumber("+"), 0);
}

TEST(LenientNumber, IgnoresAnExponentWithoutDigits) {
    EXPECT_EQ(LenientNumber("1e"), 1);
    EXPECT_EQ(LenientNumber("1e+"), 1);
    EXPECT_EQ(LenientNumber("1E-x"), 1);
    EXPECT_EQ(LenientNumber("2E+3"), 2000);
    EXPECT_EQ(LenientNumber("2e-3"), 0.002);
}

TEST(LenientNumber, NeverReadsInfinityNanOrHexadecimal) {
    EXPECT_EQ(LenientNumber("inf"), 0);
    EXPECT_EQ(LenientNumber("-Infinity"), 0);
    EXPECT_EQ(LenientNumber("nan"), 0);
    EXPECT_EQ(LenientNumber("0x10"), 0);
}

TEST(LenientNumber, GivesPositiveZeroForNumbersOutOfRangeAndForMinusZero) {
    for (const std::string_view text : {"1e999", "-1e999", "1e-999", "-1e-999", "-0", "-0.0e5"}) {
        const double value = LenientNumber(text);
        EXPECT_EQ(value, 0) << "text \"" << text << "\"";
        EXPECT_FALSE(std::signbit(value)) << "text \"" << text << "\"";
    }
}

TEST(StrictNumber, ReadsTheTableOfExamples) {
    for (const auto& example : kReadingExamples) {
        EXPECT_EQ(StrictNumber(example.text), example.strict) << "text \"" << example.text << "\"";
    }
}

TEST(StrictNumber, RefusesEveryTextThatIsNotExactlyOneNumber) {
    ExpectTheStrictRejects();
}

TEST(StrictNumber, AllowsBlanksTabsCrsAndLineFeedsAroundTheNumber) {
    EXPECT_EQ(StrictNumber(" \t\r\n25 \r\n\t"), 25);
    EXPECT_EQ(StrictNumber("\r\n-1.5e2"), -150);
}

TEST(StrictNumber, AcceptsAPointBeforeOrAfterTheDigits) {
    EXPECT_EQ(StrictNumber("1."), 1);
    EXPECT_EQ(StrictNumber(".5"), 0.5);
    EXPECT_EQ(StrictNumber("+.5"), 0.5);
    EXPECT_EQ(StrictNumber("-1.e2"), -100);
}

TEST(StrictNumber, AcceptsZeroNegativeAndFractionalStakesAsTheyAre) {
    EXPECT_EQ(StrictNumber("0"), 0);
    EXPECT_EQ(StrictNumber("-3.25"), -3.25);
    EXPECT_EQ(StrictNumber("0.001"), 0.001);
    EXPECT_EQ(StrictNumber("+12"), 12);
}

TEST(StrictNumber, RefusesNumbersTooLargeForADouble) {
    EXPECT_EQ(StrictNumber("1.8e308"), std::nullopt);
    EXPECT_EQ(StrictNumber("-1e99999999999999999999"), std::nullopt);
    EXPECT_EQ(StrictNumber("1" + std::string(309, '0')), std::nullopt);
    EXPECT_EQ(StrictNumber("1.7976931348623157e308"), kLargest);
    EXPECT_EQ(StrictNumber("0.000e99999"), 0);
}

TEST(StrictNumber, ReadsNumbersTooSmallForADoubleAsPositiveZero) {
    for (const std::string_view text :
         {"1e-999", "-1e-999", "-1e-99999999999999999999", "2e-324", "-0", "-0.000"}) {
        const std::optional<double> value = StrictNumber(text);
        ASSERT_EQ(value, 0) << "text \"" << text << "\"";
        EXPECT_FALSE(std::signbit(*value)) << "text \"" << text << "\"";
    }
    EXPECT_EQ(StrictNumber("4.9e-324"), kSmallest);
    EXPECT_EQ(StrictNumber("0." + std::string(400, '0') + "1e+400"), 0.1);
}

TEST(StrictNumber, ReadsLongDigitStringsToTheNearestDouble) {
    EXPECT_EQ(StrictNumber("0.1000000000000000055511151231257827"), 0.1);
    EXPECT_EQ(StrictNumber(std::string(50, '0') + "1.5"), 1.5);
    EXPECT_EQ(StrictNumber("1e0000000000000000000000000000005"), 100000);
}

TEST(NumberText, WritesTheExamplesAndTheGamesFixedTexts) {
    ExpectTheWritingExamples();
}

TEST(NumberText, NeverWritesMinusZero) {
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(-1E-5), "-0.00001");
    for (const double x : SpreadOfValues()) {
        EXPECT_NE(NumberText(x), "-0") << "number " << x;
        EXPECT_NE(NumberText(-x), "-0") << "number " << -x;
    }
}

TEST(NumberText, WritesNumbersCloseToZeroInPlainDigits) {
    EXPECT_EQ(NumberText(1E-300), "0." + std::string(299, '0') + "1");
    EXPECT_EQ(NumberText(-kSmallest), "-0." + std::string(323, '0') + "494065645841247");
}

TEST(NumberText, WritesOnlyDigitsASignAPointAndTheExponentFromThe16thDigitOn) {
    for (const double x : SpreadOfValues()) {
        const std::string text = NumberText(x);
        SCOPED_TRACE("number " + text);
        ASSERT_FALSE(text.empty());
        const bool large = std::fabs(RoundedTo15Digits(x)) >= 1E+15;
        const std::string_view number =
            text.front() == '-' ? std::string_view(text).substr(1) : std::string_view(text);
        const std::size_t exponent = number.find("E+");
        EXPECT_EQ(exponent != std::string_view::npos, large);
        const std::string_view mantissa = number.substr(0, exponent);
        EXPECT_EQ(mantissa.find_first_not_of("0123456789."), std::string_view::npos);
        EXPECT_LE(std::count(mantissa.begin(), mantissa.end(), '.'), 1);
        EXPECT_NE(mantissa.back(), '.');
        if (mantissa.find('.') != std::string_view::npos) {
            EXPECT_NE(mantissa.back(), '0');
        }
        EXPECT_FALSE(mantissa.size() > 1 && mantissa[0] == '0' && mantissa[1] != '.');
    }
}

TEST(NumberText, WritesTheLargestDoublesSoThatTheyReadBack) {
    EXPECT_EQ(NumberText(kLargest), "1.79769313486231E+308");
    EXPECT_EQ(NumberText(-kLargest), "-1.79769313486231E+308");
    EXPECT_EQ(StrictNumber(NumberText(kLargest)), 1.79769313486231E+308);
    EXPECT_EQ(NumberText(1.79769313486231E+308), "1.79769313486231E+308");
}

TEST(NumberText, WritesZeroForNonFiniteNumbers) {
    EXPECT_EQ(NumberText(kInfinity), "0");
    EXPECT_EQ(NumberText(-kInfinity), "0");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "0");
}

TEST(NumberRoundTrip, ReadsBackWhatWasWrittenTo15SignificantDigits) {
    ExpectRoundTripsTo15Digits();
}

// The toolkit puts the C library and the global C++ locale into the user's locale; a German one
// writes and reads "1,5". The conversions must not notice.
class DecimalCommaLocale : public testing::Test {
protected:
    void SetUp() override {
        savedCLocale_ = std::setlocale(LC_ALL, nullptr);
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
    std::string savedCLocale_;
    std::locale savedGlobalLocale_;
};

TEST_F(DecimalCommaLocale, IsReallyInEffectForTheCLibrary) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    EXPECT_STREQ(buffer, "1,5");
    EXPECT_EQ(std::strtod("1,5", nullptr), 1.5);
}

TEST_F(DecimalCommaLocale, LeavesBothReadingsAsTheyAre) {
    ExpectTheReadingExamples();
    ExpectTheStrictRejects();
    EXPECT_EQ(LenientNumber("2,75"), 2);
    EXPECT_EQ(StrictNumber("2.75"), 2.75);
}

TEST_F(DecimalCommaLocale, LeavesTheWritingAsItIs) {
    ExpectTheWritingExamples();
    ExpectRoundTripsTo15Digits();
}

} // namespace
} // namespace tarvelon
