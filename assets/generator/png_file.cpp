// Canvas to QImage to PNG file.
#include "png_file.h"

#include <QImage>
#include <QString>

#include <stdexcept>

namespace tarvelon::pictures {

void savePng(const std::filesystem::path& path, const Canvas& canvas) {
    QImage image(canvas.width(), canvas.height(), QImage::Format_RGBA8888);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgba p = canvas.at(x, y);
            image.setPixel(x, y, qRgba(p.r, p.g, p.b, p.a));
        }
    // An opaque picture is stored without an alpha channel, as the track is.
    if (canvas.isOpaque())
        image.convertTo(QImage::Format_RGB888);
    if (!image.save(QString::fromStdString(path.string()), "PNG"))
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace tarvelon::pictures
