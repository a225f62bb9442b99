// Reading pixel art from rows of text.
#include "pixel_art.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tarvelon::pictures {

namespace {

Rgba inkOf(char symbol, const Legend& legend) {
    if (symbol == '.')
        return transparent;
    const auto ink = std::find_if(legend.begin(), legend.end(),
                                  [symbol](const Ink& entry) { return entry.symbol == symbol; });
    if (ink == legend.end())
        throw std::invalid_argument(std::string("pixel art uses an unknown character '") + symbol +
                                    "'");
    return ink->colour;
}

} // namespace

Canvas fromArt(std::span<const std::string_view> rows, const Legend& legend) {
    if (rows.empty() || rows.front().empty())
        throw std::invalid_argument("pixel art needs at least one pixel");
    const std::size_t width = rows.front().size();
    Canvas canvas(static_cast<int>(width), static_cast<int>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        if (rows[y].size() != width)
            throw std::invalid_argument("pixel art row " + std::to_string(y) + " is " +
                                        std::to_string(rows[y].size()) + " wide, not " +
                                        std::to_string(width));
        for (std::size_t x = 0; x < width; ++x)
            canvas.set(static_cast<int>(x), static_cast<int>(y), inkOf(rows[y][x], legend));
    }
    return canvas;
}

} // namespace tarvelon::pictures
