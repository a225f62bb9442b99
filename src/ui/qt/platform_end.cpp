#include "platform_end.h"

#include "platform_start.h"

#include <cstdio>
#include <cstdlib>

namespace tarvelon::qt {

void endAtOnceOnWayland(int status) {
    if (!onWayland())
        return;
    // Both windows are closed by now; the compositor forgets a client that leaves.
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace tarvelon::qt
