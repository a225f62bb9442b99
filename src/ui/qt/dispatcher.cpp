// Running handlers one at a time and rendering after each.
#include "dispatcher.h"

namespace tarvelon::qt {

void Dispatcher::addRenderer(std::function<void()> renderer) {
    renderers_.push_back(std::move(renderer));
}

void Dispatcher::dispatch(const std::function<void()>& handler) {
    if (busy_)
        return;
    busy_ = true;
    handler();
    busy_ = false;
    render();
}

void Dispatcher::render() {
    for (const auto& renderer : renderers_)
        renderer();
}

} // namespace tarvelon::qt
