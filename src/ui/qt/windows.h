// The game's two real windows, built from their models, and the one road every
// event takes through them.
//
// A click, a keystroke or a timer's firing runs its handler on the models by
// Frontend::handle. Once the handler has run to its end, the front end renders: it
// pushes what changed in the models to the widgets (ControlWidgets::render) and
// starts or stops the real timers to match the models' timers. Handlers run one at a
// time: an event that comes while a handler waits on a message box is dropped.
#pragma once

#include "painted_widgets.h"
#include "platform.h"
#include "ui/main_form.h"
#include "ui/toolkit/timer_sleep.h"
#include "widgets.h"

#include <QMargins>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

namespace tarvelon::qt {

class Frontend;

// The game window. Its frame's close control does what "Exit" does.
class MainWindow : public QWidget {
public:
    MainWindow(Main& model, Frontend& frontend);

    // Makes the native window and listens for the frame the window manager will put
    // around it, so that the load handler places the window by its outer size; until
    // the frame is known, the outer size is the client size.
    void learnFrame();
    // Puts the window where the model's Left and Top put its frame, where the platform
    // lets a program place its windows.
    void moveToLeftAndTop();

    // Pushes what changed in the model to the widgets.
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The window manager has told the frame: the load handler's rule places the
    // window again by its outer size.
    void frameTold(const QMargins& frame);
    // The model's window size: the client size grown by the frame.
    void setOuterSize();

    Main& model_;
    Frontend& frontend_;
    TrackView* track_;
    ControlWidgets widgets_;
    QMargins frame_;
    std::unique_ptr<FrameExtents> frameExtents_;
};

// The standings window. Its frame's close control hides it as its OK button does,
// keeping the counts. It takes the focus when it is shown, so its OK button answers
// the keyboard, and hands it back to the game window when it hides.
class StatusWindow : public QWidget {
public:
    StatusWindow(Status& model, Frontend& frontend, QWidget& gameWindow);

    // Pushes what changed in the model to the widgets, showing or hiding the window.
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Where the layout puts the window on the primary screen.
    void moveToLayoutPlace();

    Status& model_;
    Frontend& frontend_;
    QWidget& gameWindow_;
    ControlWidgets widgets_;
    bool placed_ = false;
};

// One run of the game on screen: the models with their real windows and timers, and
// what the game window asks of its surroundings: message boxes, the standings
// window's life, and the screen.
class Frontend final : public Shell, public MessageBoxes {
public:
    // With `messages` the game's boxes go there instead of to modal dialogs (tests
    // answer them at once). `onEnded` runs when the game has closed both windows; by
    // default it quits the application.
    explicit Frontend(MessageBoxes* messages = nullptr, std::function<void()> onEnded = {});
    ~Frontend() override;

    // Runs the window's load handler, which places it and greets the player, then
    // shows it, unless the game was ended meanwhile.
    void start();

    // Ends the game as "Exit" does, whatever is open, for a desktop that asks the program
    // to end: a box the player is reading closes, and no other opens.
    void end();
    // Both windows are closed: the game is over.
    bool ended() const { return mainClosed_ && statusClosed_; }

    // The road of every event: runs `handler` to its end, then renders. Dropped while
    // another handler runs, under a message box's own event loop.
    void handle(const Handler& handler);

    Main& model() { return model_; }
    MainWindow& gameWindow() { return *mainWindow_; }
    // The standings window, once the game has needed it.
    StatusWindow* standingsWindow() const { return statusWindow_.get(); }

private:
    // A model's timer and the real timer that drives it, which sleeps with it (TimerSleep).
    struct RealTimer {
        explicit RealTimer(Timer& timer) : model(timer), sleep(timer) {}
        Timer& model;
        TimerSleep sleep;
        QTimer qtimer;
    };
    // A firing of `timer` takes the road of every event, but renders only when it may
    // have changed something.
    void fire(RealTimer& timer);
    void render();

    Status& status() override;
    void closeMain() override;
    void closeStatus() override;
    ScreenSize screenSize() const override;
    // A modal box with an OK button, after the screen has been brought up to date.
    void show(std::string_view text, std::string_view title, MessageIcon icon) override;

    GameRandom random_;
    std::function<void()> onEnded_;
    Main model_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::deque<RealTimer> timers_; // a deque, so that the timers' connections may keep pointers
    std::unique_ptr<Status> status_;
    std::unique_ptr<StatusWindow> statusWindow_;
    bool busy_ = false; // a handler is running
    bool mainClosed_ = false, statusClosed_ = false;
    QWidget* boxParent_ = nullptr; // the window the boxes are modal to, once it is shown
    QPointer<QMessageBox> openBox_;
    bool boxesClosed_ = false; // the program is ending: no box opens any more
};

} // namespace tarvelon::qt
