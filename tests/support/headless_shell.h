// A shell without any toolkit, for tests, benchmarks and fuzzing: it holds the
// standings window's model and records how the program ended.
#pragma once

#include "ui/shell.h"

#include <memory>

namespace tarvelon {

class HeadlessShell : public Shell {
public:
    explicit HeadlessShell(ScreenSize screen = {1920 * 15, 1080 * 15}) : screen_(screen) {}

    Status& status() override {
        if (!status_)
            status_ = std::make_unique<Status>();
        return *status_;
    }
    void closeMain() override { mainClosed_ = true; }
    void closeStatus() override {
        status_.reset();
        statusClosed_ = true;
    }
    ScreenSize screenSize() const override { return screen_; }

    // The standings window if it has been made and not closed.
    Status* existingStatus() const { return status_.get(); }
    bool mainClosed() const { return mainClosed_; }
    bool programEnded() const { return mainClosed_ && statusClosed_; }

private:
    ScreenSize screen_;
    std::unique_ptr<Status> status_;
    bool mainClosed_ = false, statusClosed_ = false;
};

} // namespace tarvelon
