// Twips to pixels: the layout assumes 15 twips per pixel.
#pragma once

#include "ui/toolkit/controls.h"

#include <QRect>

#include <cmath>

namespace tarvelon::qt {

inline constexpr float twipsPerPixel = 15.0f;

inline int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// A control's place in pixels, relative to its container.
inline QRect toPixels(const Control& control) {
    return QRect(toPixels(control.Left), toPixels(control.Top), toPixels(control.Width),
                 toPixels(control.Height));
}

} // namespace tarvelon::qt
