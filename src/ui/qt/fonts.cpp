// Font substitutes: Arial's metric twin, Liberation Sans, serves for both fonts the
// layout names; the old system font's narrow sans is closer to it than to wider
// faces, and the captions were sized for that width.
#include "fonts.h"

#include <cmath>

namespace tarvelon::qt {

QFont toQFont(const FontSpec& spec) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(std::lround(spec.Size * 96.0f / 72.0f)));
    font.setBold(spec.Bold);
    // Hinting snaps small text to the pixel grid, keeping it sharp at 96 dpi.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont defaultFont() {
    return toQFont(FontSpec{"MS Sans Serif", 8.25f, false});
}

} // namespace tarvelon::qt
