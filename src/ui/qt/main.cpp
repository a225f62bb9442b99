// The program: a Qt application running one game.
#include "application.h"
#include "game.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tarvelon::qt::configureApplication();
    tarvelon::qt::Game game;
    game.start();
    return app.exec();
}
