// The three conversions between numbers and control texts.
//
// <charconv> turns the digits into a double because it never consults the locale. The grammar is
// checked here before it is called: from_chars would also take "inf", "nan" and hexadecimal forms
// and refuses a leading "+", and it only says "out of range" without saying which way.
#include "numbers.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <system_error>

namespace tarvelon {
namespace {

constexpr int kSignificantDigits = 15;

// The 15 leading digits of the largest double rounded down: the largest value NumberText writes.
constexpr std::string_view kLargestDigits = "179769313486231";
constexpr int kLargestExponent = 308;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLenientBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsStrictBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Where the grammar finds a number in a text.
struct NumberSpan {
    bool found = false;
    bool negative = false;
    std::size_t digitsBegin = 0; // first character after the sign
    std::size_t end = 0;         // one past the number's last character
};

NumberSpan ScanNumber(std::string_view text, std::size_t pos) {
    NumberSpan span;
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        span.negative = text[i] == '-';
        ++i;
    }
    span.digitsBegin = i;
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            digit = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit) {
        return span;
    }
    // An exponent letter belongs to the number only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    span.found = true;
    span.end = i;
    return span;
}

// For a number from_chars found out of range: true when it is too large, false when too small.
// Its leading non-zero digit, once the exponent is applied, sits above the units place or below.
bool IsTooLarge(std::string_view number) {
    long lead = 0; // decimal exponent of the leading non-zero digit without the written exponent
    bool found = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            afterPoint = true;
        } else if (!afterPoint) {
            if (found) {
                ++lead;
            } else if (number[i] != '0') {
                found = true;
            }
        } else if (!found) {
            --lead;
            found = number[i] != '0';
        }
    }
    bool negativeExponent = false;
    long exponent = 0;
    if (i < number.size()) {
        ++i; // the exponent letter
        if (number[i] == '+' || number[i] == '-') {
            negativeExponent = number[i] == '-';
            ++i;
        }
        // Saturate: any exponent past a few thousand is out of range either way.
        for (; i < number.size(); ++i) {
            if (exponent < 1'000'000) {
                exponent = exponent * 10 + (number[i] - '0');
            }
        }
    }
    return lead + (negativeExponent ? -exponent : exponent) > 0;
}

// The value of a number the grammar accepted; nullopt when it is too large for a double.
std::optional<double> ValueOf(std::string_view text, const NumberSpan& span) {
    const char* first = text.data() + span.digitsBegin;
    const char* last = text.data() + span.end;
    double magnitude = 0;
    if (std::from_chars(first, last, magnitude).ec == std::errc::result_out_of_range) {
        if (IsTooLarge(std::string_view(first, static_cast<std::size_t>(last - first)))) {
            return std::nullopt;
        }
        magnitude = 0;
    }
    // A "-" before a zero would give -0, which NumberText could not write back.
    if (magnitude == 0) {
        return 0.0;
    }
    return span.negative ? -magnitude : magnitude;
}

} // namespace

double LenientNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsLenientBlank(text[pos])) {
        ++pos;
    }
    const NumberSpan span = ScanNumber(text, pos);
    if (!span.found) {
        return 0;
    }
    return ValueOf(text, span).value_or(0);
}

std::optional<double> StrictNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsStrictBlank(text[pos])) {
        ++pos;
    }
    const NumberSpan span = ScanNumber(text, pos);
    if (!span.found) {
        return std::nullopt;
    }
    std::size_t rest = span.end;
    while (rest < text.size() && IsStrictBlank(text[rest])) {
        ++rest;
    }
    if (rest != text.size()) {
        return std::nullopt;
    }
    return ValueOf(text, span);
}

std::string NumberText(double number) {
    if (!std::isfinite(number) || number == 0) {
        return "0";
    }
    // "d.dddddddddddddde+x": the 15 significant digits, correctly rounded, and the decimal
    // exponent of the first one.
    char buffer[32];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), std::fabs(number),
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t letter = scientific.find('e');
    std::string digits(1, scientific[0]);
    digits.append(scientific.substr(2, letter - 2));
    int exponent = 0;
    std::from_chars(scientific.data() + letter + 2, scientific.data() + scientific.size(),
                    exponent);
    if (scientific[letter + 1] == '-') {
        exponent = -exponent;
    }
    if (exponent == kLargestExponent && digits > kLargestDigits) {
        digits = kLargestDigits;
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = number < 0 ? "-" : "";
    if (exponent >= kSignificantDigits) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        char exponentText[8];
        const auto end = std::to_chars(std::begin(exponentText), std::end(exponentText), exponent);
        text += "E+";
        text.append(exponentText, end.ptr);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += '.';
            text.append(digits, integerDigits);
        }
    } else {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

} // namespace tarvelon
