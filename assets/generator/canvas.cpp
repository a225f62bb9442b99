// Drawing helpers of the pixel canvas.
#include "canvas.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace tarvelon::pictures {

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("a picture needs a positive size");
}

Rgba Canvas::at(int x, int y) const {
    if (!contains(x, y))
        throw std::out_of_range("pixel outside the picture");
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Canvas::set(int x, int y, Rgba colour) {
    if (contains(x, y))
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)] = colour;
}

void Canvas::fillRect(int x, int y, int w, int h, Rgba colour) {
    for (int row = std::max(y, 0); row < std::min(y + h, height_); ++row)
        for (int column = std::max(x, 0); column < std::min(x + w, width_); ++column)
            set(column, row, colour);
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgba colour) {
    // Integer Bresenham, so the same line always lands on the same pixels.
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        set(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Canvas::fillDiscHalf(int cx2, int cy2, int r2, Rgba colour) {
    // A pixel belongs to the disc when its centre, (2x + 1, 2y + 1) in half
    // pixels, lies within the radius; whole-number arithmetic keeps it exact.
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
            if (dx * dx + dy * dy <= r2 * r2)
                set(x, y, colour);
        }
}

void Canvas::draw(const Canvas& source, int x, int y) {
    for (int row = 0; row < source.height(); ++row)
        for (int column = 0; column < source.width(); ++column)
            if (const Rgba pixel = source.at(column, row); pixel.a != 0)
                set(x + column, y + row, pixel);
}

void Canvas::recolour(Rgba from, Rgba to) {
    std::replace(pixels_.begin(), pixels_.end(), from, to);
}

Canvas Canvas::cropped(int x, int y, int w, int h) const {
    Canvas part(w, h);
    for (int row = 0; row < h; ++row)
        for (int column = 0; column < w; ++column)
            if (contains(x + column, y + row))
                part.set(column, row, at(x + column, y + row));
    return part;
}

Canvas Canvas::scaled(int factor) const {
    Canvas big(width_ * factor, height_ * factor);
    for (int row = 0; row < big.height(); ++row)
        for (int column = 0; column < big.width(); ++column)
            big.set(column, row, at(column / factor, row / factor));
    return big;
}

bool Canvas::isOpaque() const {
    return std::all_of(pixels_.begin(), pixels_.end(), [](Rgba p) { return p.a == 255; });
}

} // namespace tarvelon::pictures
