// A picture being drawn: a grid of RGBA pixels with the few drawing helpers the
// game's pixel art needs.
//
// Alpha is all or nothing in every picture the game ships, so drawing one canvas
// onto another copies the opaque pixels and skips the rest; there is no blending.
#pragma once

#include <cstdint>
#include <vector>

namespace tarvelon::pictures {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(Rgba, Rgba) = default;
};

inline constexpr Rgba transparent{0, 0, 0, 0};

constexpr Rgba opaque(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {r, g, b, 255};
}

class Canvas {
public:
    // A width x height picture filled with `fill`.
    Canvas(int width, int height, Rgba fill = transparent);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // The pixel at (x, y); the point must lie inside.
    Rgba at(int x, int y) const;
    // Sets one pixel; points outside are ignored so shapes may run off the edge.
    void set(int x, int y, Rgba colour);

    // Fills the w x h rectangle whose top-left corner is (x, y), clipped.
    void fillRect(int x, int y, int w, int h, Rgba colour);
    // Draws a one-pixel line from (x0, y0) to (x1, y1), both ends included.
    void line(int x0, int y0, int x1, int y1, Rgba colour);
    // Fills the disc of the given radius around (cx, cy); centres and radius are
    // in half pixels so that discs of even diameter sit on the pixel grid.
    void fillDiscHalf(int cx2, int cy2, int r2, Rgba colour);
    // Copies the opaque pixels of `source` with its top-left corner at (x, y).
    void draw(const Canvas& source, int x, int y);
    // Replaces every pixel of colour `from` by `to`.
    void recolour(Rgba from, Rgba to);

    // The w x h part whose top-left corner is (x, y); pixels outside are transparent.
    Canvas cropped(int x, int y, int w, int h) const;
    // The picture enlarged by a whole factor, each pixel becoming a square block.
    Canvas scaled(int factor) const;

    bool isOpaque() const;

private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

} // namespace tarvelon::pictures
