// A signal handler may do next to nothing, so it writes one byte to a socket that the
// event loop watches, and the work is done there.
#include "termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvelon::qt {

namespace {

int sockets[2] = {-1, -1}; // the handler writes to the first, the event loop reads the second

void writeOneByte(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(sockets[0], &byte, 1);
    errno = saved;
}

} // namespace

void onTerminationSignals(std::function<void()> onSignal) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return; // the signals keep their default, which ends the program all the same
    auto* notifier = new QSocketNotifier(sockets[1], QSocketNotifier::Read, qApp);
    QObject::connect(
        notifier, &QSocketNotifier::activated, notifier, [onSignal = std::move(onSignal)] {
            char bytes[16];
            [[maybe_unused]] const ssize_t read = ::read(sockets[1], bytes, sizeof bytes);
            onSignal();
        });
    struct sigaction action {};
    action.sa_handler = writeOneByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace tarvelon::qt
