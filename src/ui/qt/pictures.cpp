// Loading the compiled-in pictures once.
#include "pictures.h"

#include <array>

namespace tarvelon::qt {

namespace {
QString resourceOf(PictureId id) {
    switch (id) {
    case PictureId::Track:
        return QStringLiteral(":/pictures/track.png");
    case PictureId::Car1:
        return QStringLiteral(":/pictures/car1.png");
    case PictureId::Car2:
        return QStringLiteral(":/pictures/car2.png");
    case PictureId::Car3:
        return QStringLiteral(":/pictures/car3.png");
    case PictureId::Car4:
        return QStringLiteral(":/pictures/car4.png");
    case PictureId::Car5:
        return QStringLiteral(":/pictures/car5.png");
    case PictureId::Car6:
        return QStringLiteral(":/pictures/car6.png");
    case PictureId::AmberSignal:
        return QStringLiteral(":/pictures/signal_amber.png");
    case PictureId::GreenSignal:
        return QStringLiteral(":/pictures/signal_green.png");
    case PictureId::Face:
        return QStringLiteral(":/pictures/face.png");
    case PictureId::TitleFirst:
        return QStringLiteral(":/pictures/title1.png");
    case PictureId::TitleSecond:
        return QStringLiteral(":/pictures/title2.png");
    case PictureId::TitleThird:
        return QStringLiteral(":/pictures/title3.png");
    case PictureId::TwoCars:
        return QStringLiteral(":/pictures/two_cars.png");
    }
    return {};
}
} // namespace

const QImage& picture(PictureId id) {
    static std::array<QImage, static_cast<std::size_t>(PictureId::TwoCars) + 1> loaded;
    QImage& image = loaded[static_cast<std::size_t>(id)];
    if (image.isNull())
        image = QImage(resourceOf(id)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

QCursor handPointer() {
    return QCursor(QPixmap(QStringLiteral(":/pictures/hand_pointer.png")), 5, 0);
}

QIcon mainWindowIcon() {
    QIcon icon;
    for (const char* file : {":/pictures/window_icon.png", ":/pictures/window_icon_64.png",
                             ":/pictures/window_icon_128.png"})
        icon.addFile(QString::fromLatin1(file));
    return icon;
}

QIcon statusWindowIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/two_cars_16.png"));
    icon.addFile(QStringLiteral(":/pictures/two_cars.png"));
    return icon;
}

} // namespace tarvelon::qt
