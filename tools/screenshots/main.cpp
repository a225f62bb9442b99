// Saves the pictures of the game's windows as PNG files in a folder, and in its
// first-sight folder the reviewed first sight: each window with its texts see-through,
// and the list of its texts.
// Usage: screenshots FOLDER (scripts/screenshot runs it in a bare environment, so
// that no desktop setting changes a pixel).
#include "ui/qt/platform.h"
#include "window_shots.h"

#include <QApplication>
#include <QDir>
#include <QFile>

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
    folder.mkpath(QStringLiteral("first-sight"));
    for (const tarvelon::qt::WindowShot& shot : tarvelon::qt::firstWindowShots()) {
        const QString path = folder.filePath(shot.name + QStringLiteral(".png"));
        const QString reviewed = folder.filePath(QStringLiteral("first-sight/") + shot.name);
        QFile texts(reviewed + QStringLiteral(".txt"));
        if ((!shot.image.isNull() && !shot.image.save(path)) ||
            !shot.bare.save(reviewed + QStringLiteral(".png")) ||
            !texts.open(QIODevice::WriteOnly) || texts.write(shot.texts.toUtf8()) < 0) {
            std::fprintf(stderr, "cannot write the pictures of %s\n", qPrintable(shot.name));
            return 1;
        }
        std::printf("%s.png\n%s.txt\n", qPrintable(reviewed), qPrintable(reviewed));
    }
    return 0;
}
