// Ending the process once the game is over.
#pragma once

namespace tarvelon::qt {

// On Wayland, ends the process at once with the given status, leaving the platform as
// it is: Qt 6.4's Wayland client can deadlock while joining its event threads, which
// would leave the program running, windowless, after Exit. Elsewhere it returns, and
// the application is torn down as usual.
void endAtOnceOnWayland(int status);

} // namespace tarvelon::qt
