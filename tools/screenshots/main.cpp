// Saves the pictures of the game's windows as PNG files in a folder.
// Usage: screenshots FOLDER (scripts/screenshot runs it in a bare environment, so
// that no desktop setting changes a pixel).
#include "ui/qt/platform.h"
#include "window_shots.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Usage: screenshots FOLDER\n", stderr);
        return 2;
    }
    tarvelon::qt::configureApplication();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const tarvelon::qt::WindowShot& shot : tarvelon::qt::firstWindowShots()) {
        const QString path = folder.filePath(shot.name + QStringLiteral(".png"));
        if (!shot.image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
