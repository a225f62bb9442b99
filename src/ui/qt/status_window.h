// The real standings window, built from the `Status` model.
//
// Its frame's close control hides it like its OK button, keeping the counts. It
// takes the focus when it is shown, so its OK button answers the keyboard, and
// hands it back to the game window when it hides.
#pragma once

#include "control_widgets.h"
#include "dispatcher.h"
#include "ui/status_form.h"

#include <QWidget>

namespace tarvelon::qt {

class StatusWindow : public QWidget {
public:
    StatusWindow(Status& model, Dispatcher& dispatcher, QWidget* gameWindow);

    // Pushes what changed in the model to the widgets, showing or hiding the window.
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Where the layout puts the window on the primary screen.
    void moveToLayoutPlace();

    Status& model_;
    Dispatcher& dispatcher_;
    WidgetBuilder builder_;
    QWidget* gameWindow_;
    bool placed_ = false;
};

} // namespace tarvelon::qt
