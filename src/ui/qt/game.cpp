// Wiring one run of the game together.
#include "game.h"

#include <QApplication>

namespace tarvelon::qt {

Game::Game(MessageBoxes* messages)
    : dialogs_([this] { dispatcher_.render(); }),
      model_({random_, messages ? *messages : static_cast<MessageBoxes&>(dialogs_)}) {
    window_ = std::make_unique<MainWindow>(model_, dispatcher_, [] { QApplication::quit(); });
    dialogs_.setParent(window_.get());
}

void Game::start() { window_->show(); }

} // namespace tarvelon::qt
