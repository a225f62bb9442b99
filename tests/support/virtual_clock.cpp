// Virtual time for headless runs of the game.
#include "virtual_clock.h"

namespace tarvelon {

void VirtualClock::add(Timer& timer, std::function<void()> onFire) {
    entries_.push_back({&timer, std::move(onFire)});
    settle();
}

void VirtualClock::event(const std::function<void()>& handler) {
    handler();
    settle();
}

bool VirtualClock::advanceUntil(const std::function<bool()>& done, Millis limit) {
    const Millis until = now_ + limit;
    while (Entry* entry = nextDue(until)) {
        now_ = entry->due;
        entry->due += entry->timer->Interval;
        ++fired;
        if (firings_ == Firings::Sleeping)
            entry->sleep.fire(entry->onFire);
        else
            entry->onFire();
        settle();
        if (done())
            return true;
    }
    now_ = until;
    return false;
}

void VirtualClock::settle() {
    for (Entry& entry : entries_) {
        const bool runs =
            firings_ == Firings::Sleeping ? entry.sleep.shouldRun() : entry.timer->Enabled;
        if (runs && !entry.scheduled)
            entry.due = now_ + entry.timer->Interval;
        entry.scheduled = runs;
    }
}

VirtualClock::Entry* VirtualClock::nextDue(Millis until) {
    Entry* next = nullptr;
    for (Entry& entry : entries_)
        if (entry.scheduled && entry.due <= until && (next == nullptr || entry.due < next->due))
            next = &entry;
    return next;
}

} // namespace tarvelon
