// Making, closing and ending with real windows.
#include "qt_shell.h"

#include "main_window.h"
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace tarvelon::qt {

QtShell::QtShell(Dispatcher& dispatcher, std::function<void()> onEnded)
    : dispatcher_(dispatcher), onEnded_(std::move(onEnded)) {}

QtShell::~QtShell() = default;

Status& QtShell::status() {
    if (!status_) {
        status_ = std::make_unique<Status>();
        statusWindow_ = std::make_unique<StatusWindow>(*status_, dispatcher_, mainWindow_);
    }
    return *status_;
}

void QtShell::closeMain() {
    if (mainWindow_)
        mainWindow_->shutDown();
    mainClosed_ = true;
    endIfBothClosed();
}

void QtShell::closeStatus() {
    // The window goes before the model it shows.
    statusWindow_.reset();
    status_.reset();
    statusClosed_ = true;
    endIfBothClosed();
}

ScreenSize QtShell::screenSize() const {
    const QSize size = QGuiApplication::primaryScreen()->geometry().size();
    return {size.width() * double{twipsPerPixel}, size.height() * double{twipsPerPixel}};
}

void QtShell::render() {
    if (statusWindow_)
        statusWindow_->render();
}

void QtShell::endIfBothClosed() {
    if (ended() && onEnded_)
        onEnded_();
}

} // namespace tarvelon::qt
