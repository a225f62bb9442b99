// The program: a Qt application running one game.
#include "platform.h"
#include "windows.h"

int main(int argc, char* argv[]) {
    const auto app = tarvelon::qt::startApplication(argc, argv);
    tarvelon::qt::configureApplication();
    tarvelon::qt::Frontend game;
    tarvelon::qt::onTerminationSignals([&game] { game.end(); });
    game.start();
    // A signal under a start-up box ends the game before the event loop has begun.
    const int status = game.ended() ? 0 : app->exec();
    tarvelon::qt::endAtOnceOnWayland(status);
    return status;
}
