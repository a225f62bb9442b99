// How the game looks on screen: the layout's twips in pixels, the fonts it names,
// the pictures compiled in, and colours that read on any desktop.
#pragma once

#include "ui/toolkit/controls.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QRect>

#include <cmath>

class QWidget;

namespace tarvelon::qt {

// Scaling. The layout assumes 15 twips per pixel; Qt's high-dpi scaling takes care
// of larger screens.
inline constexpr float twipsPerPixel = 15.0f;

inline int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// A control's place in pixels, relative to its container.
inline QRect toPixels(const Control& control) {
    return QRect(toPixels(control.Left), toPixels(control.Top), toPixels(control.Width),
                 toPixels(control.Height));
}

// Fonts. The window's default font for controls that name none.
QFont defaultFont();
// `spec` in pixels at 96 dpi, so the layout's sizes hold whatever the screen's dpi.
QFont toQFont(const FontSpec& spec);

// Pictures. The picture an image control shows.
const QImage& picture(PictureId id);
// The white hand shown over command buttons; its hot spot is the fingertip.
QCursor handPointer();
QIcon mainWindowIcon();
QIcon statusWindowIcon();

// Colours.
inline QColor toQColor(Color color) {
    return QColor(color.r, color.g, color.b);
}

// The WCAG 2 contrast ratio of two colours: 1 for the same, 21 for black and white.
double contrastRatio(QColor a, QColor b);

struct TextColors {
    QColor enabled;  // black or white, whichever reads better
    QColor disabled; // faded towards the background, yet reading at 3.5:1
};

// The text colours for `background`.
TextColors textColorsFor(QColor background);

// A control in a colour of its own gets text chosen for that colour in every state,
// whatever the desktop's palette: a dark theme's white text would all but vanish on
// the game's light grey. This paints `widget` in `background` where it paints its own
// background, with text chosen for it; a `filled` widget (a label, an option, a frame,
// a window) fills its whole rectangle with it.
void paintInOwnColor(QWidget* widget, QColor background, bool filled);

// A control in the toolkit's colours takes the desktop's background and text together:
// this fills `widget` with the desktop's window colour and gives it the desktop's text,
// whatever the window it stands on is painted in, and follows the desktop's changes.
void paintInDesktopColors(QWidget* widget);

} // namespace tarvelon::qt
