// The real standings window, built from the `Status` model.
//
// Its frame's close control hides it like its OK button, keeping the counts.
// Shown, it takes the keyboard; hidden, it hands the keyboard back to the game.
#pragma once

#include "control_widgets.h"
#include "dispatcher.h"
#include "ui/status_form.h"

#include <QWidget>

namespace tarvelon::qt {

class StatusWindow : public QWidget {
public:
    // `gameWindow` gets the focus back when this window hides.
    StatusWindow(Status& model, Dispatcher& dispatcher, QWidget* gameWindow);

    // Pushes what changed in the model to the widgets, showing or hiding the window.
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Status& model_;
    Dispatcher& dispatcher_;
    QWidget* gameWindow_;
    WidgetBuilder builder_;
    bool placed_ = false;
};

} // namespace tarvelon::qt
