// Exclusive selection and click handlers of option buttons.
#include "option_group.h"

#include <algorithm>
#include <cassert>

namespace tarvelon {

bool OptionButton::Value() const {
    return group_ != nullptr && group_->selected() == this;
}

void OptionButton::select() {
    group_->setSelected(*this, false);
}

void OptionButton::click() {
    if (Enabled)
        group_->setSelected(*this, true);
}

void OptionGroup::add(OptionButton& option, std::function<void()> onClick, bool initiallySelected) {
    assert(option.group_ == nullptr);
    option.group_ = this;
    members_.push_back({&option, std::move(onClick)});
    if (initiallySelected || selected_ == nullptr)
        selected_ = &option;
}

void OptionGroup::setSelected(const OptionButton& option, bool runHandlerWhenAlreadySelected) {
    const bool wasSelected = selected_ == &option;
    selected_ = &option;
    if (wasSelected && !runHandlerWhenAlreadySelected)
        return;
    auto member = std::find_if(members_.begin(), members_.end(),
                               [&](const Member& m) { return m.option == &option; });
    assert(member != members_.end());
    if (member->onClick)
        member->onClick();
}

} // namespace tarvelon
