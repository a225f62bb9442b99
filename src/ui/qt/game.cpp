// Wiring one run of the game together.
#include "game.h"

#include "frame_extents.h"
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
    // The load handler places the window by its outer size: the native window is made
    // first so that the window manager can tell the frame it will add before the
    // window is shown. With no frame the outer size is the client size.
    window_->winId();
    const std::optional<QMargins> frame = expectedFrameMargins(*window_->windowHandle());
    setOuterSize(frame.value_or(QMargins()));
    dispatcher_.dispatch([this] { model_.Form_Load(); });
    if (ended())
        return;
    placeWindow(frame.value_or(QMargins()));
    // From now on the boxes are modal to, and centred on, the game window.
    dialogs_.setParent(window_.get());
    // The icon's three sizes are decoded here, after the greeting, not before it.
    window_->setWindowIcon(mainWindowIcon());
    window_->show();
    if (!frame) {
        // This window manager tells the frame only once it has framed the window:
        // the window moves into its place at once, before it is first painted.
        const QMargins late = frameMargins(*window_->windowHandle());
        setOuterSize(late);
        dispatcher_.dispatch([this] { model_.placeWindow(); });
        placeWindow(late);
    }
}

void Game::end() {
    if (ended())
        return;
    dialogs_.closeForGood();
    // Straight to the handler, even while another waits on a box: the windows close at
    // once, and what that handler does after its box no longer shows.
    model_.Command3_Click();
}

void Game::setOuterSize(const QMargins& frame) {
    const QSize outer = window_->size().grownBy(frame);
    model_.Width = static_cast<float>(outer.width()) * twipsPerPixel;
    model_.Height = static_cast<float>(outer.height()) * twipsPerPixel;
}

void Game::placeWindow(const QMargins& frame) {
    // Left and Top place the frame. An X11 window manager keeps the client area where
    // it is asked to be and builds the frame around it, so the client area goes
    // inside the frame's place.
    const QPoint screen = QGuiApplication::primaryScreen()->geometry().topLeft();
    const QPoint outerTopLeft = screen + QPoint(toPixels(model_.Left), toPixels(model_.Top));
    window_->setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), window_->size()));
}

} // namespace tarvelon::qt
