// Wiring one run of the game together.
#include "game.h"

#include "frame_extents.h"
#include "pictures.h"
#include "platform_start.h"
#include "twips.h"
#include "window_keeping.h"

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
    // The load handler places the window by its outer size. The native window is made
    // first so that the window manager can tell the frame it will add; until it does,
    // the outer size is the client size.
    window_->winId();
    frameExtents_ = std::make_unique<FrameExtents>(
        *window_->windowHandle(), [this](const QMargins& frame) { frameTold(frame); });
    setOuterSize();
    dispatcher_.dispatch([this] { model_.Form_Load(); });
    if (ended())
        return;
    moveToLeftAndTop();
    // A screen that goes away or shrinks under the window: the load handler's rule again.
    keepOnScreens(*window_, [this] {
        model_.placeWindow();
        moveToLeftAndTop();
    });
    // From now on the boxes are modal to, and centred on, the game window.
    dialogs_.setParent(window_.get());
    // The icon's three sizes are decoded here, after the greeting, not before it.
    window_->setWindowIcon(mainWindowIcon());
    window_->show();
}

void Game::end() {
    if (ended())
        return;
    dialogs_.closeForGood();
    // Straight to the handler, even while another waits on a box: the windows close at
    // once, and what that handler does after its box no longer shows.
    model_.Command3_Click();
}

void Game::frameTold(const QMargins& frame) {
    // Most window managers tell while the first box is up, so the window is in its
    // place before it is shown; the others as they frame it, before its first paint.
    // The rule is run straight away, not as an event: the word may come while the load
    // handler waits on a box, when an event would be dropped.
    frame_ = frame;
    setOuterSize();
    model_.placeWindow();
    moveToLeftAndTop();
}

void Game::setOuterSize() {
    const QSize outer = window_->size().grownBy(frame_);
    model_.Width = static_cast<float>(outer.width()) * twipsPerPixel;
    model_.Height = static_cast<float>(outer.height()) * twipsPerPixel;
}

void Game::moveToLeftAndTop() {
    // On Wayland the compositor places every window and a program cannot.
    if (onWayland())
        return;
    // Left and Top place the frame. An X11 window manager keeps the client area where
    // it is asked to be and builds the frame around it, so the client area goes
    // inside the frame's place.
    const QPoint screen = QGuiApplication::primaryScreen()->geometry().topLeft();
    const QPoint outerTopLeft = screen + QPoint(toPixels(model_.Left), toPixels(model_.Top));
    window_->setGeometry(
        QRect(outerTopLeft + QPoint(frame_.left(), frame_.top()), window_->size()));
}

} // namespace tarvelon::qt
