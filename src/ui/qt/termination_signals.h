// SIGTERM, SIGINT and SIGHUP, as a desktop session sends them at log-out or a
// terminal on Ctrl+C or hang-up, turned into an ordinary call on the UI thread.
#pragma once

#include <functional>

namespace tarvelon::qt {

// From now on each of those signals runs `onSignal` on the UI thread, from the event
// loop that runs when it comes (a message box's included). Call once, after the
// application is made.
void onTerminationSignals(std::function<void()> onSignal);

} // namespace tarvelon::qt
