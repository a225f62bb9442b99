// Exclusive selection and click handlers of option buttons.
#include "option_group.h"

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

void OptionGroup::add(OptionButton& option, bool initiallySelected) {
    assert(option.group_ == nullptr);
    option.group_ = this;
    if (initiallySelected || selected_ == nullptr)
        selected_ = &option;
}

void OptionGroup::setSelected(OptionButton& option, bool runHandlerWhenAlreadySelected) {
    const bool wasSelected = selected_ == &option;
    selected_ = &option;
    if ((!wasSelected || runHandlerWhenAlreadySelected) && option.onClick)
        option.onClick();
}

} // namespace tarvelon
