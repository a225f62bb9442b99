// A shell without any toolkit, for tests and benchmarks: it holds the standings
// window's model and records the windows closed, in order.
#pragma once

#include "ui/shell.h"

#include <memory>
#include <string>
#include <vector>

namespace tarvelon {

class HeadlessShell : public Shell {
public:
    Status& status() override {
        if (!status_)
            status_ = std::make_unique<Status>();
        return *status_;
    }
    void closeMain() override { closed.push_back("Main"); }
    void closeStatus() override {
        status_.reset();
        closed.push_back("Status");
    }
    ScreenSize screenSize() const override { return {1920 * 15, 1080 * 15}; }

    // The standings window if it has been made and not closed.
    Status* existingStatus() const { return status_.get(); }
    // Both windows are closed, so the program has ended.
    bool programEnded() const { return closed.size() >= 2; }

    std::vector<std::string> closed; // "Main" and "Status", in the order they closed

private:
    std::unique_ptr<Status> status_;
};

} // namespace tarvelon
