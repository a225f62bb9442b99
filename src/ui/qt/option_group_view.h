// The option buttons of a window as one group on screen: the selected option checked,
// and a Tab stop on the group whenever one of its options is enabled.
#pragma once

#include "ui/toolkit/option_group.h"

#include <utility>
#include <vector>

class QRadioButton;

namespace tarvelon::qt {

class OptionGroupView {
public:
    // Adds `option`, shown by `radio`, in the order Tab and the arrow keys walk them.
    void add(const OptionButton& option, QRadioButton* radio);

    // An option's radio was enabled or disabled: the next render looks at the Tab stop.
    void enabledChanged() { enabledChanged_ = true; }

    // Checks the selected option's radio when the selection has changed, and keeps the
    // Tab stop after a change; nothing else.
    void render();

private:
    // Qt keeps the group's one Tab stop on the option focused last, and once that one is
    // disabled (the car of the first bet) Tab would pass the whole group by, so the stop
    // moves to the selected option if it is enabled, else to the first enabled one.
    void keepReachableByTab();

    std::vector<std::pair<const OptionButton*, QRadioButton*>> members_;
    const OptionButton* checked_ = nullptr; // the option whose radio is checked on screen
    bool enabledChanged_ = false;
};

} // namespace tarvelon::qt
