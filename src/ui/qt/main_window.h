// The real game window, built from the `Main` model.
#pragma once

#include "control_widgets.h"
#include "dispatcher.h"
#include "timer_driver.h"
#include "track_view.h"
#include "ui/main_form.h"

#include <QWidget>

namespace tarvelon::qt {

class MainWindow : public QWidget {
public:
    // Builds the window and its timers. The frame's close control does what
    // "Exit" does.
    MainWindow(Main& model, Dispatcher& dispatcher);

    // Pushes what changed in the model to the widgets and the timers.
    void render();

    // Closes the window for good: its timers stop and it renders no more.
    void shutDown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void setTabOrder();

    Main& model_;
    Dispatcher& dispatcher_;
    WidgetBuilder builder_;
    TrackView* track_ = nullptr;
    TimerDriver timers_;
    bool shutDown_ = false;
};

} // namespace tarvelon::qt
