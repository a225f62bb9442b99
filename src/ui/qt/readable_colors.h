// Text that reads on the colours the game paints itself. A control in a colour of its
// own gets text chosen for that colour in every state, whatever the desktop's palette:
// a dark theme's white text would all but vanish on the game's light grey. A control in
// the toolkit's colours takes the desktop's background and text together.
#pragma once

#include <QColor>

class QWidget;

namespace tarvelon::qt {

// The WCAG 2 contrast ratio of two colours: 1 for the same, 21 for black and white.
double contrastRatio(QColor a, QColor b);

struct TextColors {
    QColor enabled;  // black or white, whichever reads better
    QColor disabled; // faded towards the background, yet reading at 3.5:1
};

// The text colours for `background`.
TextColors textColorsFor(QColor background);

// Paints `widget` in `background` where it paints its own background, with text chosen
// for it; a `filled` widget (a label, an option, a frame, a window) fills its whole
// rectangle with it.
void paintInOwnColor(QWidget* widget, QColor background, bool filled);

// Fills `widget` with the desktop's window colour and gives it the desktop's text,
// whatever the window it stands on is painted in, and follows the desktop's changes.
void paintInDesktopColors(QWidget* widget);

} // namespace tarvelon::qt
