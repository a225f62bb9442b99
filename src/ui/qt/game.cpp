// Wiring one run of the game together.
#include "game.h"

#include "pictures.h"
#include "twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace tarvelon::qt {

Game::Game(MessageBoxes* messages, std::function<void()> onEnded)
    : dialogs_([this] { dispatcher_.render(); }),
      shell_(
          dispatcher_, onEnded ? std::move(onEnded) : [] { QApplication::quit(); }),
      model_({random_, messages ? *messages : static_cast<MessageBoxes&>(dialogs_), shell_}) {
    window_ = std::make_unique<MainWindow>(model_, dispatcher_);
    shell_.setMainWindow(window_.get());
    dispatcher_.addRenderer([this] {
        window_->render();
        shell_.render();
    });
}

void Game::start() {
    // Making the native window first lets the platform tell the frame's size where
    // it can before the window is shown; where it cannot, the outer size is the
    // client size.
    window_->winId();
    const QSize outer = window_->frameGeometry().size();
    model_.Width = static_cast<float>(outer.width()) * twipsPerPixel;
    model_.Height = static_cast<float>(outer.height()) * twipsPerPixel;
    dispatcher_.dispatch([this] { model_.Form_Load(); });

    const QPoint screen = QGuiApplication::primaryScreen()->geometry().topLeft();
    window_->move(screen + QPoint(toPixels(model_.Left), toPixels(model_.Top)));
    // From now on the boxes are modal to, and centred on, the game window.
    dialogs_.setParent(window_.get());
    // The icon's three sizes are decoded here, after the greeting, not before it.
    window_->setWindowIcon(mainWindowIcon());
    window_->show();
}

} // namespace tarvelon::qt
