// The program: a Qt application running one game.
#include "fonts.h"
#include "game.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelon 2000"));
    QApplication::setDesktopFileName(QStringLiteral("tarvelon2000"));
    // One style everywhere, so the window looks the same on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(tarvelon::qt::defaultFont());

    tarvelon::qt::Game game;
    game.start();
    return app.exec();
}
