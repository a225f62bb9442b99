// The program around the game window, with real windows: it makes the standings
// window when the game first needs it, closes the windows, and ends the program
// once both are closed.
#pragma once

#include "dispatcher.h"
#include "status_window.h"
#include "ui/shell.h"

#include <functional>
#include <memory>

namespace tarvelon::qt {

class MainWindow;

class QtShell : public Shell {
public:
    // `onEnded` runs once both windows are closed.
    QtShell(Dispatcher& dispatcher, std::function<void()> onEnded);
    ~QtShell() override;

    void setMainWindow(MainWindow* window) { mainWindow_ = window; }

    Status& status() override;
    void closeMain() override;
    void closeStatus() override;
    ScreenSize screenSize() const override;

    // The standings window, if it exists.
    StatusWindow* statusWindow() const { return statusWindow_.get(); }

    // Whether both windows are closed: the game is over.
    bool ended() const { return mainClosed_ && statusClosed_; }

    // Brings the standings window in line with its model.
    void render();

private:
    void endIfBothClosed();

    Dispatcher& dispatcher_;
    std::function<void()> onEnded_;
    MainWindow* mainWindow_ = nullptr;
    std::unique_ptr<Status> status_;
    std::unique_ptr<StatusWindow> statusWindow_;
    bool mainClosed_ = false, statusClosed_ = false;
};

} // namespace tarvelon::qt
