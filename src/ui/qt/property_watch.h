// Watches model properties of one type and pushes each to its widget when it
// changes.
//
// The render pass runs after every event, a thousand times a second while the
// cut-off timer ticks, and almost always finds nothing new. So the check is a
// plain comparison over a flat list; the push, which touches the widget, runs
// only for a property that changed.
#pragma once

#include <functional>
#include <vector>

namespace tarvelon::qt {

template <class T>
class PropertyWatch {
public:
    // Watches `*model`, which the widget shows as it is now; `push` shows a new value.
    void watch(const T* model, std::function<void(const T&)> push) {
        entries_.push_back({model, *model, std::move(push)});
    }

    void render() {
        for (Entry& entry : entries_) {
            if (entry.shown == *entry.model)
                continue;
            entry.shown = *entry.model;
            entry.push(entry.shown);
        }
    }

private:
    struct Entry {
        const T* model;
        T shown;
        std::function<void(const T&)> push;
    };
    std::vector<Entry> entries_;
};

} // namespace tarvelon::qt
