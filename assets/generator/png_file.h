// Saves a canvas as a PNG file through Qt's image writer.
//
// QImage needs no application object and no display for this, so the generator
// stays a plain host program. The writer adds no time stamps: the same canvas
// always gives the same bytes.
#pragma once

#include "canvas.h"

#include <filesystem>

namespace tarvelon::pictures {

// Writes `canvas` to `path`, as RGB when it is fully opaque and as RGBA
// otherwise; throws when the file cannot be written.
void savePng(const std::filesystem::path& path, const Canvas& canvas);

} // namespace tarvelon::pictures
