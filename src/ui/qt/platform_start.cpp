// Holds Qt's messages while the platform starts: they are passed on if it starts,
// and replaced by one plain line if it cannot.
#include "platform_start.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tarvelon::qt {

namespace {

struct HeldMessage {
    QtMsgType type;
    const char *file, *function, *category; // Qt's own literals, which live as long as the program
    int line;
    QString text;
};

std::vector<HeldMessage> held;

std::string describe(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? std::string(variable) + "=\"" + value + "\""
                 : std::string(variable) + " not set";
}

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tarvelon2000: no display could be opened (%s, %s)\n",
                     describe("DISPLAY").c_str(), describe("WAYLAND_DISPLAY").c_str());
        std::_Exit(1);
    }
    held.push_back({type, context.file, context.function, context.category, context.line, text});
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(holdOrFail);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
    return application;
}

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace tarvelon::qt
