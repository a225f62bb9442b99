// Every picture of the game, each drawn by one function.
//
// The sizes and the facts the game relies on (where the track's lines are,
// which box a car sprite fills, which rows the title letters use) are kept by
// these functions; main.cpp only says which draws which file of the picture list.
#pragma once

#include "canvas.h"

#include <array>

namespace tarvelon::pictures {

// The race track, 600 x 300, opaque.
Canvas drawTrack();

// Body colours of the six cars, slot 1 to slot 6.
inline constexpr std::array<Rgba, 6> carBodyColours{
    opaque(255, 0, 0),   // red
    opaque(0, 160, 64),  // green
    opaque(0, 0, 192),   // blue
    opaque(255, 128, 0), // orange
    opaque(255, 255, 0), // yellow
    opaque(128, 0, 192), // purple
};

// A car sprite, 50 x 34: the car facing right in the given body colour.
Canvas drawCar(Rgba body);
// The red car behind the green one, each with its shadow; `size` is 32 or 16.
Canvas drawTwoCars(int size);

enum class LitLamp { Amber, Green };
// The start signal, 32 x 32, with one lamp lit; both versions share one outline.
Canvas drawSignal(LitLamp lamp);

// A cartoon face, 32 x 32, wider than the signal so it shows around it.
Canvas drawFace();
// The hand pointer of the buttons, 32 x 32, fingertip at (5, 0).
Canvas drawHandPointer();

// The title lettering: the first line in two pieces placed side by side, and
// the second line.
struct TitlePieces {
    Canvas first;
    Canvas second;
    Canvas third;
};
TitlePieces drawTitle();

} // namespace tarvelon::pictures
