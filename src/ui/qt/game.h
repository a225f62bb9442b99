// One run of the game with its real windows: the models, the services they ask
// for, and the widgets that show them.
#pragma once

#include "dispatcher.h"
#include "main_window.h"
#include "qt_message_boxes.h"
#include "ui/main_form.h"
#include "ui/toolkit/random_source.h"

#include <memory>

namespace tarvelon::qt {

class Game {
public:
    // With `messages` the game's boxes go there instead of to modal dialogs (tests
    // answer them at once).
    explicit Game(MessageBoxes* messages = nullptr);

    // Shows the game window.
    void start();

    Main& model() { return model_; }
    MainWindow& window() { return *window_; }
    Dispatcher& dispatcher() { return dispatcher_; }

private:
    GameRandom random_;
    Dispatcher dispatcher_;
    QtMessageBoxes dialogs_;
    Main model_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace tarvelon::qt
