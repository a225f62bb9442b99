// Real widgets for the models' controls, and the render pass that keeps them
// showing what the models hold.
//
// Each builder makes the widget with the control's place, look and caption, and
// records how to push the properties the game changes. `render()` pushes only
// what changed since the last render. Clicks and typing go back to the models
// through the dispatcher; nothing else flows from the widgets to the models.
#pragma once

#include "dispatcher.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/option_group.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <vector>

namespace tarvelon::qt {

class WidgetBuilder {
public:
    // Builds the controls of the window called `window` ("Main" or "Status").
    WidgetBuilder(Dispatcher& dispatcher, QString window)
        : dispatcher_(dispatcher), window_(std::move(window)) {}

    // Each makes the widget on `parent` (or on the widget made for the control's
    // container) and names it after the control.
    QWidget* frame(const Frame& frame, QWidget* parent);
    QWidget* button(const CommandButton& button, QWidget* parent, std::function<void()> onClick);
    QWidget* textBox(TextBox& box, QWidget* parent);
    QWidget* label(const Label& label, QWidget* parent);
    QWidget* option(OptionButton& option, QWidget* parent);
    QWidget* image(const Image& image, QWidget* parent);
    QWidget* shape(const Shape& shape, QWidget* parent);

    // The widget made for `control`, or none.
    QWidget* widgetFor(const Control& control) const { return widgets_.value(&control); }

    // Pushes every property that changed since the last render.
    void render();

private:
    QWidget* parentFor(const Control& control, QWidget* window) const;
    void place(QWidget* widget, const Control& control);

    Dispatcher& dispatcher_;
    QString window_;
    QHash<const Control*, QWidget*> widgets_;
    std::vector<std::function<void()>> renders_;
};

} // namespace tarvelon::qt
