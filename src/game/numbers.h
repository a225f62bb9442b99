// Conversions between the numbers the game computes with and the control texts that hold them.
//
// Every bankroll, stake, tally and counter lives as text in a control, so these three functions
// are the only way numbers enter or leave the game's state. The decimal point is always ".",
// whatever the process locale says: the toolkit switches the C library to the user's locale at
// start-up, and under a German one strtod reads "1.5" as 1 and printf writes "1,5".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvelon {

// A number is an optional "+" or "-", digits with at most one "." among or before them ("1." and
// ".5" are numbers, "." and a lone sign are not), and an optional exponent: "e" or "E", an
// optional sign and at least one digit. A zero is always read as +0, never as -0.

// The longest number at the start of `text`, after spaces, tabs and line feeds; the rest is
// ignored, as is an exponent without digits ("1e+" reads 1). 0 when no digit is read, and also
// when the number is too large for a double (the game never writes such a text). Never fails.
double LenientNumber(std::string_view text);

// `text` as one number with optional spaces, tabs, CRs and line feeds around it; nullopt for any
// other text (an exponent without digits included) and for a number too large for a double. A
// number too small for a double reads as 0.
std::optional<double> StrictNumber(std::string_view text);

// `number` to 15 significant digits in plain decimals without trailing zeros ("0.3", "987.5",
// "-20", "0.00001"), never "-0"; from 1E+15 up in magnitude as "1.5E+20". The few doubles that
// round past the largest double give "1.79769313486231E+308" with their sign, so that every text
// written here reads back. Non-finite input, which the game never passes, gives "0".
std::string NumberText(double number);

} // namespace tarvelon
