// The game's two windows as a player first sees them, painted by the game's own
// widgets: the README's screenshots, and references for a test that compares pixels.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace tarvelon::qt {

struct WindowShot {
    QString name; // a file name without its extension
    QImage image;
};

// Starts a game whose start-up boxes are answered at once, opens the standings,
// and paints the game window ("game") and the standings window ("standings"),
// frames left out. Needs a QApplication set up as the program sets it up.
std::vector<WindowShot> firstWindowShots();

} // namespace tarvelon::qt
