#include "platform_end.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace tarvelon::qt {

void endAtOnceOnWayland(int status) {
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    // Both windows are closed by now; the compositor forgets a client that leaves.
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace tarvelon::qt
