// Keeping the radio buttons in step with the option group.
#include "option_group_view.h"

#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace tarvelon::qt {

void OptionGroupView::add(const OptionButton& option, QRadioButton* radio) {
    members_.emplace_back(&option, radio);
    radio->setChecked(option.Value());
    if (option.Value())
        checked_ = &option;
}

void OptionGroupView::render() {
    bool changed = std::exchange(enabledChanged_, false);
    for (const auto& [option, radio] : members_) {
        if (!option->Value() || option == checked_)
            continue;
        // Checking one radio unchecks the others of its window, as in the model.
        radio->setChecked(true);
        checked_ = option;
        changed = true;
    }
    if (changed)
        keepReachableByTab();
}

void OptionGroupView::keepReachableByTab() {
    const auto reachable = [](const auto& member) {
        return member.second->isEnabled() && (member.second->focusPolicy() & Qt::TabFocus);
    };
    if (std::any_of(members_.begin(), members_.end(), reachable))
        return;
    const auto enabled = [](const auto& member) { return member.second->isEnabled(); };
    auto stop = std::find_if(members_.begin(), members_.end(), [&](const auto& member) {
        return enabled(member) && member.first == checked_;
    });
    if (stop == members_.end())
        stop = std::find_if(members_.begin(), members_.end(), enabled);
    if (stop != members_.end())
        stop->second->setFocusPolicy(Qt::StrongFocus);
}

} // namespace tarvelon::qt
