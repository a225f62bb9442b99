// Font substitutes: Arial's metric twin, and a plain sans for the old system font.
#include "fonts.h"

#include <cmath>

namespace tarvelon::qt {

namespace {
QString familyFor(const std::string& name) {
    if (name == "Arial")
        return QStringLiteral("Liberation Sans");
    return QStringLiteral("DejaVu Sans");
}
} // namespace

QFont toQFont(const FontSpec& spec) {
    QFont font(familyFor(spec.Name));
    font.setPixelSize(static_cast<int>(std::lround(spec.Size * 96.0f / 72.0f)));
    font.setBold(spec.Bold);
    // Hinting snaps small text to the pixel grid, keeping it sharp at 96 dpi.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont defaultFont() { return toQFont(FontSpec{"MS Sans Serif", 8.25f, false}); }

} // namespace tarvelon::qt
