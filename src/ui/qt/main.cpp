// The program: a Qt application running one game.
#include "application.h"
#include "game.h"
#include "platform_end.h"
#include "platform_start.h"
#include "termination_signals.h"
#include "window_keeping.h"

int main(int argc, char* argv[]) {
    tarvelon::qt::preferDesktopTitleBars();
    const auto app = tarvelon::qt::startApplication(argc, argv);
    tarvelon::qt::configureApplication();
    tarvelon::qt::Game game;
    tarvelon::qt::onTerminationSignals([&game] { game.end(); });
    game.start();
    // A signal under a start-up box ends the game before the event loop has begun.
    const int status = game.ended() ? 0 : app->exec();
    tarvelon::qt::endAtOnceOnWayland(status);
    return status;
}
