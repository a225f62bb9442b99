// Painting the windows of a game that has just started.
#include "window_shots.h"

#include "support/message_recorder.h"
#include "ui/qt/windows.h"

#include <QApplication>

namespace tarvelon::qt {

std::vector<WindowShot> firstWindowShots() {
    MessageRecorder messages;
    Frontend game(&messages, [] {});
    game.start();
    game.handle([&] { game.model().Command6_Click(); });
    // Lets the windows take their final sizes and states before they are painted.
    QApplication::processEvents();
    std::vector<WindowShot> shots{{QStringLiteral("game"), game.gameWindow().grab().toImage()}};
    if (StatusWindow* standings = game.standingsWindow())
        shots.push_back({QStringLiteral("standings"), standings->grab().toImage()});
    return shots;
}

} // namespace tarvelon::qt
