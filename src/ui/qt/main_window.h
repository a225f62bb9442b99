// The real game window, built from the `Main` model.
#pragma once

#include "control_widgets.h"
#include "dispatcher.h"
#include "timer_driver.h"
#include "track_view.h"
#include "ui/main_form.h"

#include <QWidget>

#include <functional>

namespace tarvelon::qt {

class MainWindow : public QWidget {
public:
    // Builds the window and its timers; `onClose` runs when the player closes the
    // window with its frame's close control.
    MainWindow(Main& model, Dispatcher& dispatcher, std::function<void()> onClose);

    // Pushes what changed in the model to the widgets.
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void setTabOrder();

    Main& model_;
    Dispatcher& dispatcher_;
    std::function<void()> onClose_;
    WidgetBuilder builder_;
    TrackView* track_ = nullptr;
    TimerDriver timers_;
};

} // namespace tarvelon::qt
