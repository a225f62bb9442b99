// Real widgets for the models' controls, and the render pass that keeps them
// showing what the models hold.
//
// Each builder makes the widget with the control's place, look and caption, and
// records how to push the properties the game changes. `render()` pushes only
// what changed since the last render. Clicks and typing go back to the models
// through the dispatcher; nothing else flows from the widgets to the models.
#pragma once

#include "dispatcher.h"
#include "focus_parking.h"
#include "option_group_view.h"
#include "property_watch.h"
#include "stacked_pictures.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/option_group.h"

#include <QCursor>
#include <QHash>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvelon::qt {

class WidgetBuilder {
public:
    // What a screen reader is told each control is (see accessible_names.h).
    using AccessibleNames = std::function<QString(const Control&)>;

    WidgetBuilder(Dispatcher& dispatcher, AccessibleNames names)
        : dispatcher_(dispatcher), names_(std::move(names)) {}

    // Each makes the widget on `parent` (or on the widget made for the control's
    // container) and names it after the control.
    QWidget* frame(const Frame& frame, QWidget* parent);
    QWidget* button(const CommandButton& button, QWidget* parent, std::function<void()> onClick);
    // A box with a `MaxLength` refuses longer text whole and runs `onTooLong` to say so.
    QWidget* textBox(TextBox& box, QWidget* parent, std::function<void()> onTooLong = {});
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
    AccessibleNames names_;
    QHash<const Control*, QWidget*> widgets_;
    PropertyWatch<bool> flags_;
    PropertyWatch<std::string> texts_;
    PropertyWatch<std::optional<Color>> colors_;
    FocusParking focus_;
    OptionGroupView options_;
    StackedPictures pictures_;
    std::optional<QCursor> handPointer_; // made once, for every button that shows it
};

} // namespace tarvelon::qt
