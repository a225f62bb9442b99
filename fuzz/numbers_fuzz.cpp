// libFuzzer targets for the numeric text conversions. Each checks properties that must hold for
// every input, not merely that nothing crashes; a broken property aborts with a message.
// TARVELON_FUZZ_READINGS selects the target for the two readings, TARVELON_FUZZ_NUMBER_TEXT the
// one for the writing.
#include "game/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Require(bool holds, const char* property, std::string_view input) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\ninput: \"%.*s\"\n", property,
                     static_cast<int>(input.size()), input.data());
        std::abort();
    }
}

#if defined(TARVELON_FUZZ_READINGS)

bool ContainsIgnoringCase(std::string_view text, std::string_view lowerNeedle) {
    for (std::size_t i = 0; i + lowerNeedle.size() <= text.size(); ++i) {
        bool match = true;
        for (std::size_t j = 0; j < lowerNeedle.size() && match; ++j) {
            const char c = text[i + j];
            match = (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == lowerNeedle[j];
        }
        if (match) {
            return true;
        }
    }
    return false;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A finite number and, when zero, +0: the only values the readings give.
bool IsWellFormedValue(double x) {
    return std::isfinite(x) && !(x == 0 && std::signbit(x));
}

void CheckReadings(std::string_view text) {
    const double lenient = tarvelon::LenientNumber(text);
    const std::optional<double> strict = tarvelon::StrictNumber(text);

    Require(IsWellFormedValue(lenient), "LenientNumber gives a finite number, never -0", text);
    Require(tarvelon::LenientNumber(std::string(text) + "#") == lenient,
            "LenientNumber ignores what follows the number", text);
    Require(!tarvelon::StrictNumber(std::string(text) + "#"),
            "StrictNumber refuses a text with a character after the number", text);
    if (ContainsIgnoringCase(text, "inf") || ContainsIgnoringCase(text, "nan") ||
        ContainsIgnoringCase(text, "0x")) {
        Require(!strict, "StrictNumber refuses infinities, nans and hexadecimal", text);
    }
    if (text.find_first_not_of("0123456789+-.eE \t\r\n") != std::string_view::npos) {
        Require(!strict, "StrictNumber refuses characters a number cannot contain", text);
    }
    if (!strict) {
        return;
    }
    Require(IsWellFormedValue(*strict), "StrictNumber gives a finite number, never -0", text);
    // A carriage return is a blank to StrictNumber only; the game never writes one.
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (text.substr(0, start).find('\r') == std::string_view::npos) {
        Require(SameBits(lenient, *strict) || (lenient == 0 && *strict == 0),
                "LenientNumber agrees with a successful StrictNumber", text);
    }
}

#elif defined(TARVELON_FUZZ_NUMBER_TEXT)

// `x` taken to the nearest value with 15 significant digits; where that is past the largest
// double, NumberText writes the largest 15-digit value below it instead.
double RoundedTo15Digits(double x) {
    char buffer[40];
    const auto written =
        std::to_chars(std::begin(buffer), std::end(buffer), x, std::chars_format::scientific, 14);
    double rounded = 0;
    if (std::from_chars(buffer, written.ptr, rounded).ec == std::errc::result_out_of_range) {
        return std::copysign(1.79769313486231E+308, x);
    }
    return rounded;
}

void CheckNumberText(double x) {
    if (!std::isfinite(x)) {
        return;
    }
    const std::string text = tarvelon::NumberText(x);
    const double rounded = RoundedTo15Digits(x);

    Require(!text.empty(), "NumberText writes something", text);
    Require(text != "-0", "NumberText never writes -0", text);
    Require(text.find_first_not_of("0123456789-.E+") == std::string::npos,
            "NumberText writes only digits, a sign, a point and an exponent", text);
    Require(text.rfind('-') == std::string::npos || text.rfind('-') == 0,
            "NumberText writes at most one leading minus", text);
    Require(text.find('.') == text.rfind('.'), "NumberText writes at most one point", text);
    const std::size_t exponent = text.find("E+");
    Require((exponent != std::string::npos) == (std::fabs(rounded) >= 1E+15),
            "NumberText writes an exponent exactly from 1E+15 up", text);
    Require(text.find('E') == exponent && text.find('+') == text.rfind('+') &&
                (text.find('+') == std::string::npos || text.find('+') == exponent + 1),
            "NumberText writes E and + only as E+", text);
    const std::string_view mantissa =
        std::string_view(text).substr(0, exponent).substr(text[0] == '-' ? 1 : 0);
    Require(!mantissa.empty() && mantissa.front() != '.' && mantissa.back() != '.',
            "NumberText writes digits on both sides of a point", text);
    Require(mantissa.find('.') == std::string_view::npos || mantissa.back() != '0',
            "NumberText writes no trailing zeros after a point", text);
    Require(mantissa.size() == 1 || mantissa[0] != '0' || mantissa[1] == '.',
            "NumberText writes no leading zeros", text);

    const std::optional<double> strict = tarvelon::StrictNumber(text);
    Require(strict.has_value() && *strict == rounded,
            "StrictNumber reads back the number to 15 significant digits", text);
    Require(tarvelon::LenientNumber(text) == rounded,
            "LenientNumber reads back the number to 15 significant digits", text);
}

#else
#error "define TARVELON_FUZZ_READINGS or TARVELON_FUZZ_NUMBER_TEXT"
#endif

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#if defined(TARVELON_FUZZ_READINGS)
    CheckReadings(std::string_view(reinterpret_cast<const char*>(data), size));
#else
    double x = 0;
    if (size < sizeof x) {
        return 0;
    }
    std::memcpy(&x, data, sizeof x);
    CheckNumberText(x);
#endif
    return 0;
}
