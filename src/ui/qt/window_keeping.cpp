// Two guards against desktops that would break a fixed window: what a fixed window
// does when it is maximised anyway, and where a window goes when its screen goes away
// or shrinks.
#include "window_keeping.h"

#include "platform.h"

#include <QGuiApplication>
#include <QPointer>
#include <QRegion>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tarvelon::qt {

namespace {

constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

class FixedSizeKeeper : public QObject {
public:
    explicit FixedSizeKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            watchNativeWindow();
        else if (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Resize)
            QMetaObject::invokeMethod(this, &FixedSizeKeeper::restore, Qt::QueuedConnection);
        return false;
    }

private:
    void watchNativeWindow() {
        QWindow* native = window_.windowHandle();
        if (!native || native == watched_ || !onWayland())
            return;
        watched_ = native;
        // Qt's Wayland title bars ask for the state before the compositor answers with
        // the size that goes with it, and a compositor may end a client that answers with
        // another; Qt 6.4 would keep to the limits, so the window is freed of them first.
        connect(native, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if ((state & enlarged) && watched_) {
                watched_->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
                lifted_ = true;
            }
        });
    }

    void restore() {
        // A message box takes its fixed size only as it is shown.
        const QSize fixed = window_.maximumSize();
        if (window_.minimumSize() != fixed)
            return;
        if (window_.windowState() & enlarged) {
            window_.setWindowState(window_.windowState() & ~enlarged);
        } else if (window_.size() == fixed) {
            // Putting the limits back resizes the window to them, which a compositor that
            // still holds it maximised would refuse: only now that it has its size again.
            if (lifted_ && watched_)
                watched_->setMaximumSize(fixed);
            lifted_ = false;
        } else if (!lifted_ && window_.isVisible()) {
            // Another size in the normal state, which a desktop gives back when asked: an
            // X window manager's maximise that sets no state (weston's, on a double-click
            // on the title), or a Wayland tile that Qt 6.8 no longer keeps to the limits.
            window_.resize(fixed);
        }
    }

    QWidget& window_;
    QPointer<QWindow> watched_;
    bool lifted_ = false;
};

class ScreenKeeper : public QObject {
public:
    ScreenKeeper(QWidget& window, std::function<void()> place)
        : QObject(&window), window_(window), place_(std::move(place)) {
        window.installEventFilter(this);
        for (QScreen* screen : QGuiApplication::screens())
            watch(screen);
        connect(qGuiApp, &QGuiApplication::screenAdded, this, &ScreenKeeper::watch);
        connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenKeeper::check,
                Qt::QueuedConnection);
        connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &ScreenKeeper::check,
                Qt::QueuedConnection);
    }

    // A window hidden while the screens changed is looked at again as it shows.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            QMetaObject::invokeMethod(this, &ScreenKeeper::check, Qt::QueuedConnection);
        return false;
    }

private:
    void watch(QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, &ScreenKeeper::check,
                Qt::QueuedConnection);
    }

    void check() {
        if (onWayland() || !window_.isVisible())
            return;
        QRegion screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens += screen->geometry();
        if (!QRegion(window_.frameGeometry()).subtracted(screens).isEmpty())
            place_();
    }

    QWidget& window_;
    std::function<void()> place_;
};

} // namespace

void keepFixedSize(QWidget& window) {
    new FixedSizeKeeper(window);
}

void keepOnScreens(QWidget& window, std::function<void()> place) {
    new ScreenKeeper(window, std::move(place));
}

} // namespace tarvelon::qt
