// Option buttons and the group that makes them exclusive.
//
// Exactly one option of a group is selected. Selecting an option from code runs
// its click handler, inside the selecting call, only when it was not selected
// before; a click by the player always runs it. That rule lives here once so no
// caller has to remember it.
#pragma once

#include "controls.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvelon {

class OptionGroup;

struct OptionButton : Control {
    std::string Caption;
    bool Enabled = true;
    std::optional<Color> BackColor;
    Handler onClick;

    // True when this option is the group's selection.
    bool Value() const;
    // Selects this option from code; runs its handler only if it was not selected.
    void select();
    // The player's click: selects this option and runs its handler. Ignored while disabled.
    void click();

private:
    friend class OptionGroup;
    OptionGroup* group_ = nullptr;
};

class OptionGroup {
public:
    OptionGroup() = default;
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;

    // Adds an option; the first option added starts selected unless another is
    // marked with `initiallySelected`.
    void add(OptionButton& option, bool initiallySelected = false);

    const OptionButton* selected() const { return selected_; }

private:
    friend struct OptionButton;
    void setSelected(OptionButton& option, bool runHandlerWhenAlreadySelected);

    const OptionButton* selected_ = nullptr;
};

} // namespace tarvelon
