// The real widgets of a window's controls, and the render pass that keeps them
// showing what the window's model holds.
//
// `build` makes each control's widget with its place, look, caption and accessible
// name, and watches the properties the game may change; `render` pushes what changed
// since the last render, nothing else. Which events the widgets send to the model is
// the window's business (windows.cpp).
#pragma once

#include "ui/toolkit/form.h"

#include <QCursor>
#include <QHash>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <set>
#include <vector>

class QLineEdit;
class QRadioButton;
class QWidget;

namespace tarvelon::qt {

class ControlWidgets {
public:
    // Builds a widget on `window` for each control of `form`, back to front, but for
    // those in `paintedElsewhere`.
    void build(const Form& form, QWidget& window, const std::set<const Control*>& paintedElsewhere);

    // The widget made for `control`, or none.
    QWidget* widgetFor(const Control& control) const { return widgets_.value(&control); }

    // Pushes every watched property that changed since the last render to its widget.
    void render();

private:
    QWidget* make(const Frame& frame, QWidget* parent);
    QWidget* make(const CommandButton& button, QWidget* parent);
    QWidget* make(const TextBox& box, QWidget* parent);
    QWidget* make(const Label& label, QWidget* parent);
    QWidget* make(const OptionButton& option, QWidget* parent);
    QWidget* make(const Image& image, QWidget* parent);
    QWidget* make(const Shape& shape, QWidget* parent);

    // Calls `push` with the value of `property` whenever a render finds it changed.
    template <class T, class Push>
    void watch(const T& property, Push push) {
        watches_.push_back([&property, shown = property, push]() mutable {
            if (shown == property)
                return;
            shown = property;
            push(shown);
        });
    }

    // Enables or disables `widget`. Qt hands the focus of a control being disabled on to
    // the next in the tab chain: in the game window a name box, its text selected, which a
    // screen reader reads out during the race, and after the reset Space presses nothing.
    // So the focus waits on the window, and goes back to the control when it is enabled
    // again, unless the player has moved it meanwhile.
    void setEnabled(QWidget* widget, bool enabled);

    // Qt keeps a group of options' one Tab stop on the option focused last, and once that
    // one is disabled (the car of the first bet) Tab would pass the whole group by, so the
    // stop moves to the selected option if it is enabled, else to the first enabled one.
    void keepOptionsReachableByTab();

    // Pictures stacked in one place speak for the one in front only: the start signal
    // names only the light the player sees. A name is set only when it changes, since
    // each change is announced.
    void nameStackedPictures();

    QHash<const Control*, QWidget*> widgets_;
    std::vector<std::function<void()>> watches_;
    QPointer<QWidget> focusParkedFrom_; // the control whose focus waits on its window
    std::vector<std::pair<const OptionButton*, QRadioButton*>> options_;
    const OptionButton* checkedOption_ = nullptr; // the option whose radio is checked on screen
    bool optionsChanged_ = false; // an option's radio was enabled, disabled or checked
    std::vector<std::pair<const Image*, QString>> pictures_; // each with its own name
    std::optional<QCursor> handPointer_; // made once, for every button that shows it
};

// From now on `edit` refuses, whole, any typing or paste that would make its text longer
// than `limit`, keeps what it held, and runs `onRefused` once the refused edit is undone.
// QLineEdit's own maximum length would cut a paste short and keep the rest without a word.
void refuseLongerThan(QLineEdit& edit, int limit, std::function<void()> onRefused);

} // namespace tarvelon::qt
