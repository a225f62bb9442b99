// One run of the game with its real windows: the models, the services they ask
// for, and the widgets that show them.
#pragma once

#include "dispatcher.h"
#include "frame_extents.h"
#include "main_window.h"
#include "qt_message_boxes.h"
#include "qt_shell.h"
#include "ui/main_form.h"
#include "ui/toolkit/random_source.h"

#include <QMargins>

#include <functional>
#include <memory>

namespace tarvelon::qt {

class Game {
public:
    // With `messages` the game's boxes go there instead of to modal dialogs (tests
    // answer them at once). `onEnded` runs when the game has closed both windows;
    // by default it quits the application.
    explicit Game(MessageBoxes* messages = nullptr, std::function<void()> onEnded = {});

    // Runs the window's load handler, which places it and greets the player, then
    // shows it, unless the game was ended meanwhile.
    void start();

    // Ends the game as "Exit" does, whatever is open, for a desktop that asks the program
    // to end: a box the player is reading closes, and no other opens.
    void end();
    bool ended() const { return shell_.ended(); }

    Main& model() { return model_; }
    MainWindow& window() { return *window_; }
    QtShell& shell() { return shell_; }
    Dispatcher& dispatcher() { return dispatcher_; }

private:
    // The window manager has told the frame: the load handler's rule places the
    // window again by its outer size.
    void frameTold(const QMargins& frame);
    // The model's window size: the client size grown by the frame.
    void setOuterSize();
    // Puts the window where the model's Left and Top put its frame, where the
    // platform lets a program place its windows.
    void moveToLeftAndTop();

    GameRandom random_;
    Dispatcher dispatcher_;
    QtMessageBoxes dialogs_;
    QtShell shell_;
    Main model_;
    std::unique_ptr<MainWindow> window_;
    QMargins frame_;
    std::unique_ptr<FrameExtents> frameExtents_;
};

} // namespace tarvelon::qt
