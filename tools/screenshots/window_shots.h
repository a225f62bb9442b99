// The game's two windows as a player first sees them, painted by the game's own
// widgets: the README's screenshots, and the reviewed first sight a test compares with.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace tarvelon::qt {

struct WindowShot {
    QString name; // a file name without its extension
    QImage image; // as the player sees it: a picture for the README; none for a detail
    // What the game draws, pixel for pixel: the window with every text see-through, since
    // each Qt release renders text its own way.
    QImage bare;
    // The window's title and each text it shows, with its font and alignment, a line each.
    QString texts;
};

// Starts a game whose start-up boxes are answered at once, opens the standings,
// and paints the game window ("game") and the standings window ("standings"),
// frames left out, and the track with its cars at twice the scale ("track@2x").
// Needs a QApplication set up as the program sets it up.
std::vector<WindowShot> firstWindowShots();

} // namespace tarvelon::qt
