// Turns a canvas into the bytes of a PNG file.
//
// The encoder is deliberately plain: no compression (deflate "stored" blocks),
// no filters and no optional chunks, so the same canvas always gives the same
// bytes. The files are compressed again when they are built into the program,
// so the size on disk does not matter.
#pragma once

#include "canvas.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tarvelon::pictures {

enum class PngColour {
    Rgb,  // three bytes a pixel; only for canvases without any transparency
    Rgba, // four bytes a pixel
};

// The complete PNG file of `canvas`; throws if Rgb is asked of a canvas that is
// not fully opaque.
std::vector<std::uint8_t> encodePng(const Canvas& canvas, PngColour colour);

// Writes the PNG file of `canvas` to `path`; throws when the file cannot be written.
void writePng(const std::filesystem::path& path, const Canvas& canvas, PngColour colour);

} // namespace tarvelon::pictures
