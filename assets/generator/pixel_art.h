// Pixel art written as text: one character a pixel, row by row, with a legend
// that gives each character its colour.
//
// Small hand-made shapes (the car, the face, the hand, the letters) read far
// better this way than as drawing calls, and a change to them is a visible
// change in the source.
#pragma once

#include "canvas.h"

#include <span>
#include <string_view>
#include <vector>

namespace tarvelon::pictures {

// One character of a legend and the colour it stands for.
struct Ink {
    char symbol;
    Rgba colour;
};

// '.' always stands for a transparent pixel and needs no entry.
using Legend = std::vector<Ink>;

// The picture the rows draw; throws if the rows differ in length or use a
// character the legend does not know, so a slip in the art stops the build.
Canvas fromArt(std::span<const std::string_view> rows, const Legend& legend);

} // namespace tarvelon::pictures
