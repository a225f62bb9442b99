// Running handlers one at a time and rendering after each.
#include "dispatcher.h"

namespace tarvelon::qt {

void Dispatcher::addRenderer(std::function<void()> renderer) {
    renderers_.push_back(std::move(renderer));
}

void Dispatcher::dispatch(const std::function<void()>& handler) {
    dispatchFiring([&] {
        handler();
        return true;
    });
}

void Dispatcher::dispatchFiring(const std::function<bool()>& handler) {
    if (busy_)
        return;
    busy_ = true;
    const bool changed = handler();
    busy_ = false;
    if (changed)
        render();
}

void Dispatcher::render() {
    for (const auto& renderer : renderers_)
        renderer();
}

} // namespace tarvelon::qt
