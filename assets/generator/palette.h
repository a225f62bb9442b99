// The colours the pictures share, and the rule for shading a colour.
//
// Every picture is lit from the top left: surfaces facing up or left take a
// lighter tone, those facing down or right a darker one, and outlines are a
// deep shade of the colour they enclose rather than pure black, except where
// black is asked for (tyres, the hand's outline, the chequers).
#pragma once

#include "canvas.h"

namespace tarvelon::pictures {

// `from` moved `percent` of the way towards `to`, channel by channel, rounded.
constexpr Rgba mix(Rgba from, Rgba to, int percent) {
    const auto channel = [percent](int a, int b) {
        return static_cast<std::uint8_t>((a * (100 - percent) + b * percent + 50) / 100);
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b), from.a};
}

namespace palette {

inline constexpr Rgba black = opaque(0, 0, 0);
inline constexpr Rgba white = opaque(255, 255, 255);
inline constexpr Rgba offWhite = opaque(255, 251, 240);

// Neutral greys, light to dark, for metal, housings and shadows.
inline constexpr Rgba grey1 = opaque(216, 216, 224);
inline constexpr Rgba grey2 = opaque(160, 160, 168);
inline constexpr Rgba grey3 = opaque(104, 104, 112);
inline constexpr Rgba grey4 = opaque(56, 56, 64);
inline constexpr Rgba grey5 = opaque(28, 28, 34);

} // namespace palette

constexpr Rgba lit(Rgba colour) {
    return mix(colour, palette::white, 45);
}
constexpr Rgba shaded(Rgba colour) {
    return mix(colour, palette::black, 28);
}
constexpr Rgba outlined(Rgba colour) {
    return mix(colour, palette::black, 62);
}

} // namespace tarvelon::pictures
