// Painting the windows of a game that has just started, and listing their texts.
#include "window_shots.h"

#include "support/message_recorder.h"
#include "ui/qt/painted_widgets.h"
#include "ui/qt/windows.h"

#include <QApplication>

namespace tarvelon::qt {

namespace {

WindowShot shoot(const QString& name, QWidget& window) {
    WindowShot shot{name, window.grab().toImage(), {}, window.windowTitle() + QLatin1Char('\n')};
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const auto* frame = dynamic_cast<FrameWidget*>(widget);
        const QString text = frame ? frame->caption() : widget->property("text").toString();
        const QVariant alignment = widget->property("alignment");
        if (!text.isEmpty())
            shot.texts +=
                QStringLiteral("%1: \"%2\" %3 %4px%5%6\n")
                    .arg(widget->objectName(), text, widget->font().family())
                    .arg(widget->font().pixelSize())
                    .arg(QLatin1String(widget->font().bold() ? " bold" : ""))
                    .arg(!alignment.isValid()                   ? QString()
                         : alignment.toInt() & Qt::AlignHCenter ? QStringLiteral(", centred")
                                                                : QStringLiteral(", left"));
        QPalette palette = widget->palette();
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(role, Qt::transparent);
        widget->setPalette(palette);
    }
    shot.bare = window.grab().toImage();
    return shot;
}

} // namespace

std::vector<WindowShot> firstWindowShots() {
    MessageRecorder messages;
    Frontend game(&messages, [] {});
    game.start();
    game.handle([&] { game.model().Command6_Click(); });
    // Lets the windows take their final sizes and states before they are painted.
    QApplication::processEvents();
    // The track with its cars as on a screen of two device pixels a pixel: the pixel art in
    // blocks, never smoothed. The game paints all of it, so it is compared whole.
    QWidget& track = *game.gameWindow().findChild<QWidget*>(QStringLiteral("Image6"));
    QImage sharp(track.size() * 2, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(2);
    track.render(&sharp);
    sharp.setDevicePixelRatio(1);
    return {shoot(QStringLiteral("game"), game.gameWindow()),
            shoot(QStringLiteral("standings"), *game.standingsWindow()),
            {QStringLiteral("track@2x"), {}, sharp, {}}};
}

} // namespace tarvelon::qt
